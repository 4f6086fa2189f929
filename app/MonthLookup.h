// Month lookups through the selected data set's accounting period.
#pragma once

#include "aggregate/CoreObjects.h"

#include <cstdint>

class ClSetData;

// The days of the accounting month named by a calendar month; both 0 when unknown.
MonthDays DaysOfMonth(ClSetData* dataSets, std::int32_t month);

// The months of two dates, stored when the data set has a period; answers the status of the
// second lookup, recorded with the message manager.
std::int32_t MonthsOfDates(ClSetData* dataSets, std::int32_t firstDate, std::int32_t lastDate,
                           std::int16_t& firstMonth, std::int16_t& lastMonth);
