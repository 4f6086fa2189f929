// The five tax-rate columns, always in this order; the core's per-rate records and the
// report's rate groups follow it.
#pragma once

#include <array>
#include <string_view>

struct TaxRateClass {
    int position;
    int rateHundredths;  // rate in hundredths of a percent, as the core stores it
    bool reduced;
    int ratePercent;
    std::string_view label;  // CP932
    char groupDigit;  // last character of the report's group identifiers of this rate
    std::string_view elementSuffix;  // ends the report's element names of this rate
};

namespace TaxRateClasses {

inline constexpr std::array<TaxRateClass, 5> kAll = {{
    {0, 1000, false, 10, "10%", '4', "10"},
    {1, 800, true, 8, "8%軽", '3', "8K"},
    {2, 800, false, 8, "8%", '0', "8"},
    {3, 500, false, 5, "5%", '1', "5"},
    {4, 300, false, 3, "3%", '2', "3"},
}};

inline constexpr int kCount = static_cast<int>(kAll.size());

}  // namespace TaxRateClasses
