// The figures of the consumption-tax return for the chosen months, computed by the core's
// return rule into the per-rate and per-business-type records.
#pragma once

#include "aggregate/AggregationContext.h"
#include "core_api/StDATAINFO.h"
#include "core_api/StTAXREPORTBUSINESSTYPEINFO.h"
#include "core_api/StTAXREPORTRATEINFO.h"

#include <cstdint>
#include <span>

// 1 done, 0 when there is no settings object or no return rule.
int ReturnFigures(AggregationContext& context, const StDATAINFO& dataSet, std::span<StTAXREPORTRATEINFO> rates,
                  std::span<StTAXREPORTBUSINESSTYPEINFO> businessTypes, std::int32_t substituteRate);
