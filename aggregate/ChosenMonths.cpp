#include "aggregate/ChosenMonths.h"

namespace {

constexpr std::int16_t kYearEndClosing = 18;
constexpr std::int16_t kSixthMonth = 6;
constexpr std::int32_t kHasInterimClosing = 1;

}  // namespace

// The condition is first..last, then (joined by "or") the interim and year-end closings it
// takes; the year-end closing counts only where it is the third item.
ChosenMonths ReadChosenMonths(const StFINDRECORD<4>& monthCondition, const StDATAINFO& dataSet) {
    ChosenMonths months;
    months.first = monthCondition.items[0].value.shortValue;
    months.last = monthCondition.items[1].value.shortValue;
    months.yearEndClosing = monthCondition.items[1].connector != FindCode::LinkEnd &&
                            monthCondition.items[2].value.shortValue == kYearEndClosing;
    months.interimClosing = dataSet.interimSetting == kHasInterimClosing && months.last == kSixthMonth;
    return months;
}
