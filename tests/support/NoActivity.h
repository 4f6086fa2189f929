// An activity bar that shows nothing, for the aggregation run where no window watches it.
#pragma once

#include "aggregate/AggregationContext.h"

struct NoActivity final : ActivityIndicator {
    void Tick() override {}
    void Sweep() override {}
    void ResetActivity() override {}
    void FillActivity() override {}
};
