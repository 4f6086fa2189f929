// The months of an accounting period: each runs to the closing day and is named by the calendar
// month in which it ends; the first starts on the period's first day, the last ends on its
// last day. Positions count from 1.
#pragma once

#include <cstdint>
#include <vector>

namespace StandIn {

class AccountingCalendar {
public:
    struct Month {
        std::int32_t first;
        std::int32_t last;
        std::int32_t name;  // calendar month 1-12
    };

    // Empty (Valid() false) when the dates are not real days, first > last, or the closing
    // day is outside 1..31.
    AccountingCalendar(std::int32_t first, std::int32_t last, std::int32_t closingDay);

    // The closing day that belongs to a period's last day: its day, or 31 at a month end.
    static std::int32_t ClosingDayOf(std::int32_t last);

    bool Valid() const { return !months_.empty(); }
    std::int32_t First() const { return first_; }
    std::int32_t Last() const { return last_; }
    const std::vector<Month>& Months() const { return months_; }
    // Position (1..) of the month holding date, 0 outside the period.
    int PositionOf(std::int32_t date) const;
    // Position of the first month named by calendar month name, 0 when none.
    int PositionNamed(std::int32_t name) const;

private:
    std::int32_t first_;
    std::int32_t last_;
    std::vector<Month> months_;
};

}  // namespace StandIn
