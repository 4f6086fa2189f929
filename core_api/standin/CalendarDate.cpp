#include "core_api/standin/CalendarDate.h"

namespace StandIn::CalendarDate {

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month) {
    static constexpr std::int32_t days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool IsValid(std::int32_t date) {
    std::int32_t y = Year(date), m = Month(date), d = Day(date);
    return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m);
}

bool IsMonthEnd(std::int32_t date) { return Day(date) == DaysInMonth(Year(date), Month(date)); }

std::int32_t NextDay(std::int32_t date) {
    std::int32_t y = Year(date), m = Month(date), d = Day(date);
    if (d < DaysInMonth(y, m)) return Make(y, m, d + 1);
    if (m < 12) return Make(y, m + 1, 1);
    return Make(y + 1, 1, 1);
}

std::int32_t ClosingDateIn(std::int32_t year, std::int32_t month, std::int32_t closingDay) {
    std::int32_t end = DaysInMonth(year, month);
    return Make(year, month, closingDay < end ? closingDay : end);
}

}  // namespace StandIn::CalendarDate
