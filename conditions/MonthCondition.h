// The search condition for the chosen months: the month positions P and Q of the start and
// end month within the fiscal year, with the interim and year-end closing periods where the
// range reaches them.
#pragma once

#include "conditions/FiscalYear.h"
#include "core_api/StFINDINFO.h"

#include <cstdint>

// Room for the head and the four items the condition can take.
using MonthConditionRecord = StFINDRECORD<4>;

struct MonthPositions {
    std::int16_t first = 0;  // P
    std::int16_t last = 0;   // Q
};

MonthPositions GetMonthPositions(const FiscalYear& year, int startMonth, int endMonth);

// Zeroes the record and writes the items: P..Q, then position 15 when the data set has an
// interim closing (setting 1) and Q is 6, then position 18 when the range ends with the
// fiscal year's last month.
void BuildMonthCondition(MonthConditionRecord& record, const FiscalYear& year, int startMonth, int endMonth,
                         std::int32_t interimSetting);
