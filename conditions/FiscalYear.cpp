#include "conditions/FiscalYear.h"

#include "core_api/ClAccPeriod.h"

#include <memory>

FiscalYear GetFiscalYear(std::int32_t firstDay, std::int32_t lastDay) {
    auto period = std::make_unique<ClAccPeriod>();
    period->SetPeriod(firstDay, lastDay);
    std::int32_t closingDay = 0;
    period->GetClosingDayByEndDate(lastDay, 0, closingDay);
    period->SetClosingDay(closingDay);
    std::int32_t firstMonth = 0;
    period->GetAMonthByDate(firstDay, firstMonth, 0);

    FiscalYear year;
    year.firstMonth = static_cast<std::int16_t>(firstMonth);
    const int lastMonth = lastDay / 100 % 100;
    year.lastMonth = static_cast<std::int16_t>(lastMonth < firstMonth ? lastMonth + 100 : lastMonth);
    return year;
}
