// yyyymmdd dates of the Gregorian calendar.
#pragma once

#include <cstdint>

namespace StandIn::CalendarDate {

inline constexpr std::int32_t Year(std::int32_t date) { return date / 10000; }
inline constexpr std::int32_t Month(std::int32_t date) { return date / 100 % 100; }
inline constexpr std::int32_t Day(std::int32_t date) { return date % 100; }
inline constexpr std::int32_t Make(std::int32_t y, std::int32_t m, std::int32_t d) { return y * 10000 + m * 100 + d; }

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month);
bool IsValid(std::int32_t date);
bool IsMonthEnd(std::int32_t date);
std::int32_t NextDay(std::int32_t date);
// The closing day in the given month: closingDay, or the month end when the month is shorter.
std::int32_t ClosingDateIn(std::int32_t year, std::int32_t month, std::int32_t closingDay);

}  // namespace StandIn::CalendarDate
