#include "app/DialogTexts.h"

#include "aggregate/BusinessCategory.h"
#include "platform/MbcsText.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The texts were built in a 51-byte area: at most 50 bytes, never half a character.
constexpr std::size_t kTextLimit = 50;

constexpr const char* kTaxMethodLabels[] = {"免税", "簡易課税", "原則課税"};
constexpr const char* kCreditLabels[] = {"個別対応方式", "一括比例配分方式"};

template <std::size_t N>
const char* Label(const char* const (&labels)[N], unsigned index) {
    return index < N ? labels[index] : "";
}

std::string Blank(const std::string& text) { return " " + text; }

std::string PeriodText(const StDATAINFO& dataSet) {
    char text[64] = {};
    const std::int32_t first = dataSet.periodFirst;
    const std::int32_t last = dataSet.periodLast;
    std::snprintf(text, sizeof text, " %04d/%02d/%02d～%04d/%02d/%02d", first / 10000, first / 100 % 100, first % 100,
                  last / 10000, last / 100 % 100, last % 100);
    return text;
}

std::string CompanyName(const StDATAINFO& dataSet) {
    return std::string(dataSet.companyName, strnlen(dataSet.companyName, sizeof dataSet.companyName));
}

std::string SettingsText(const StSHOHIZEIINFO& settings, int number) {
    const unsigned method = settings.taxMethod;
    switch (number) {
    case 2:
        return Blank(Label(kTaxMethodLabels, method));
    case 3:
        return method == 1 ? "主となる事業分類" : method == 2 ? "課税仕入控除" : "";
    case 4:
        if (method == 1) return Blank(std::string(BusinessCategories::Label(settings.mainBusiness)));
        return method == 2 ? Blank(Label(kCreditLabels, settings.creditMethod)) : "";
    default:
        return "";
    }
}

}  // namespace

std::string DialogText(const SelectedData& selected, int number) {
    std::string text;
    if (number == 0) {
        text = Blank(CompanyName(selected.dataSet));
    } else if (number == 1) {
        text = PeriodText(selected.dataSet);
    } else {
        text = SettingsText(selected.taxSettings, number);
    }
    return MbcsText::CutAt(text, kTextLimit);
}
