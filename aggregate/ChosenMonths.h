// The chosen months as the refund passes read them: the first and last month positions from
// the month condition, whether its range takes the year-end closing period, and whether the
// data set's interim closing period belongs to it.
#pragma once

#include "core_api/StDATAINFO.h"
#include "core_api/StFINDINFO.h"

#include <cstdint>

struct ChosenMonths {
    std::int16_t first = 0;
    std::int16_t last = 0;
    bool yearEndClosing = false;
    bool interimClosing = false;
};

ChosenMonths ReadChosenMonths(const StFINDRECORD<4>& monthCondition, const StDATAINFO& dataSet);
