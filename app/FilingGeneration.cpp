#include "app/FilingGeneration.h"

#include <array>
#include <string_view>

namespace {

struct Generation {
    std::string_view executable;
    std::int32_t substituteRate;
};

// In lookup order.
constexpr std::array<Generation, 6> kGenerations{{
    {"TXRP-2004.exe", 1000},
    {"TXRP-1910.exe", 1000},
    {"TXRP-1510.exe", 800},
    {"TXRP-1504.exe", 800},
    {"TXRP-1404.exe", 800},
    {"TXRP-9704.exe", 500},
}};

std::string_view GenerationName(std::int32_t firstDay, std::int32_t lastDay, TaxMethod taxMethod) {
    if (taxMethod == TaxMethod::Exempt) return "TXRP-2004.exe";
    const bool simplified = taxMethod == TaxMethod::Simplified;
    if (lastDay >= 20200401) return "TXRP-2004.exe";
    if (lastDay >= 20191001) return "TXRP-1910.exe";
    // The one asymmetric row: simplified taxation looks at the first day, general at the last.
    if (simplified ? firstDay >= 20160101 : lastDay >= 20151001) return "TXRP-1510.exe";
    if (firstDay >= 20150401) return "TXRP-1504.exe";
    if (lastDay >= 20140401) return "TXRP-1404.exe";
    return "TXRP-9704.exe";
}

}  // namespace

FilingGeneration ChooseFilingGeneration(std::int32_t firstDay, std::int32_t lastDay, TaxMethod taxMethod) {
    const std::string_view name = GenerationName(firstDay, lastDay, taxMethod);
    for (const Generation& generation : kGenerations) {
        if (generation.executable == name) return {std::string(name), generation.substituteRate};
    }
    return {std::string(name), 0};
}
