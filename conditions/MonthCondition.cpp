#include "conditions/MonthCondition.h"

#include <cstring>

namespace {

constexpr std::int16_t kInterimClosing = 15;
constexpr std::int16_t kYearEndClosing = 18;

}  // namespace

MonthPositions GetMonthPositions(const FiscalYear& year, int startMonth, int endMonth) {
    const int f = year.firstMonth;
    const int m = year.LastCalendarMonth();
    MonthPositions positions;
    if (startMonth == f) {
        positions.first = 1;
    } else {
        positions.first = static_cast<std::int16_t>(startMonth > f ? startMonth - f + 1 : startMonth - f + 13);
    }
    if (endMonth == m) {
        positions.last = static_cast<std::int16_t>(year.Crosses() ? m - f + 13 : m - f + 1);
    } else {
        const bool wraps = year.Crosses() && endMonth < m;
        positions.last = static_cast<std::int16_t>(wraps ? endMonth - f + 13 : endMonth - f + 1);
    }
    return positions;
}

void BuildMonthCondition(MonthConditionRecord& record, const FiscalYear& year, int startMonth, int endMonth,
                         std::int32_t interimSetting) {
    std::memset(&record, 0, sizeof record);
    const MonthPositions positions = GetMonthPositions(year, startMonth, endMonth);
    int count = 0;
    record.items[count++] = FindItem::Month(FindCode::AtLeast, positions.first, FindCode::LinkAnd);
    record.items[count++] = FindItem::Month(FindCode::AtMost, positions.last, FindCode::LinkEnd);
    if (interimSetting == 1 && positions.last == 6) {
        record.items[count - 1].connector = FindCode::LinkOr;
        record.items[count++] = FindItem::Month(FindCode::Equal, kInterimClosing, FindCode::LinkEnd);
    }
    if (endMonth == year.LastCalendarMonth()) {
        record.items[count - 1].connector = FindCode::LinkOr;
        record.items[count++] = FindItem::Month(FindCode::Equal, kYearEndClosing, FindCode::LinkEnd);
    }
}
