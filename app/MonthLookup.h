// Month lookups through the selected data set's accounting period.
#pragma once

#include "app/RunState.h"

#include <cstdint>

// First and last day of the accounting month named by a calendar month.
std::int32_t FirstDayOfMonth(RunState& state, std::int32_t month);
std::int32_t LastDayOfMonth(RunState& state, std::int32_t month);

// The months of two dates, stored when the period object was given; answers the status of
// the second lookup, recorded with the message manager.
std::int32_t MonthsOfDates(RunState& state, std::int32_t firstDate, std::int32_t lastDate,
                           std::int16_t& firstMonth, std::int16_t& lastMonth);
