#include "app/MonthLookup.h"

#include "app/StatusRecord.h"
#include "core_api/ClSetData.h"

namespace {

constexpr int kMonthsOfDatesLine = 8589;

}  // namespace

MonthDays DaysOfMonth(ClSetData* dataSets, std::int32_t month) {
    return DaysOfCalendarMonth(AccountingPeriodOf(dataSets).get(), month);
}

std::int32_t MonthsOfDates(ClSetData* dataSets, std::int32_t firstDate, std::int32_t lastDate,
                           std::int16_t& firstMonth, std::int16_t& lastMonth) {
    std::int32_t status = 0;
    if (auto period = AccountingPeriodOf(dataSets)) {
        std::int32_t first = 0;
        std::int32_t last = 0;
        period->GetAMonthByDate(firstDate, first, 0);
        status = period->GetAMonthByDate(lastDate, last, 0);
        firstMonth = static_cast<std::int16_t>(first);
        lastMonth = static_cast<std::int16_t>(last);
    }
    return RecordStatus(status, StatusPlace::kControl, kMonthsOfDatesLine);
}
