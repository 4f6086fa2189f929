// The accounting period and its months. An accounting month runs to the closing day and is
// named by the calendar month in which it ends; month positions count from 1 at the period's
// first month, 15 is the interim and 18 the year-end closing period. Dates are yyyymmdd.
// Handed out by ClSetData::GetAccPeriod or made by the program; the owner deletes it.
#pragma once

#include <cstdint>

class ClAccPeriod {
public:
    ClAccPeriod();
    virtual ~ClAccPeriod();
    ClAccPeriod(const ClAccPeriod&) = delete;
    ClAccPeriod& operator=(const ClAccPeriod&) = delete;

    std::int32_t SetPeriod(std::int32_t first, std::int32_t last);
    std::int32_t SetClosingDay(std::int32_t closingDay);  // 31: the month end
    std::int32_t GetPeriod(std::int32_t& first, std::int32_t& last);
    // The calendar month (1-12) naming the accounting month that holds date.
    std::int32_t GetAMonthByDate(std::int32_t date, std::int32_t& month, int mode);
    // First and last day of the accounting month named by calendar month month.
    std::int32_t GetPeriodByAMonth(std::int32_t month, std::int32_t& first, std::int32_t& last, int mode);
    // First and last day of a month position (1-12, 15, 18).
    std::int32_t GetPeriodByMonthKind(std::int16_t monthKind, std::int32_t& first, std::int32_t& last,
                                      int mode);
    // The closing day that belongs to the period's last day: its day, or 31 at a month end.
    std::int32_t GetClosingDayByEndDate(std::int32_t last, int mode, std::int32_t& closingDay);

private:
    friend class ClSetData;  // hands out periods already set up
    std::int32_t first_ = 0;
    std::int32_t last_ = 0;
    std::int32_t closingDay_ = 0;
};
