#include "core_api/standin/AccountingCalendar.h"

#include "core_api/standin/CalendarDate.h"

namespace StandIn {

using namespace CalendarDate;

namespace {

// A bound against absurd periods; real ones have at most a dozen months.
constexpr std::size_t kMaxMonths = 1200;

// The first closing date on or after date.
std::int32_t ClosingOnOrAfter(std::int32_t date, std::int32_t closingDay) {
    std::int32_t y = Year(date), m = CalendarDate::Month(date);
    std::int32_t closing = ClosingDateIn(y, m, closingDay);
    if (closing >= date) return closing;
    return m == 12 ? ClosingDateIn(y + 1, 1, closingDay) : ClosingDateIn(y, m + 1, closingDay);
}

}  // namespace

AccountingCalendar::AccountingCalendar(std::int32_t first, std::int32_t last, std::int32_t closingDay)
    : first_(first), last_(last) {
    if (!IsValid(first) || !IsValid(last) || first > last || closingDay < 1 || closingDay > 31) return;
    std::int32_t start = first;
    for (;;) {
        std::int32_t end = ClosingOnOrAfter(start, closingDay);
        if (end >= last) end = last;
        months_.push_back({start, end, CalendarDate::Month(end)});
        if (end == last) break;
        if (months_.size() >= kMaxMonths) {
            months_.clear();
            return;
        }
        start = NextDay(end);
    }
}

std::int32_t AccountingCalendar::ClosingDayOf(std::int32_t last) {
    return IsMonthEnd(last) ? 31 : Day(last);
}

int AccountingCalendar::PositionOf(std::int32_t date) const {
    for (std::size_t i = 0; i < months_.size(); ++i)
        if (date >= months_[i].first && date <= months_[i].last) return static_cast<int>(i + 1);
    return 0;
}

int AccountingCalendar::PositionNamed(std::int32_t name) const {
    for (std::size_t i = 0; i < months_.size(); ++i)
        if (months_[i].name == name) return static_cast<int>(i + 1);
    return 0;
}

}  // namespace StandIn
