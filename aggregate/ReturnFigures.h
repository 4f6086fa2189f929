// The figures of the consumption-tax return for the chosen months, computed by the core's
// return rule into the per-rate and per-business-type records.
#pragma once

#include "aggregate/AggregationContext.h"
#include "aggregate/BusinessCategory.h"
#include "core_api/StTAXREPORTBUSINESSTYPEINFO.h"
#include "core_api/StTAXREPORTRATEINFO.h"

#include <cstdint>
#include <span>

// The per-business-type records of one rate: one for each business category.
inline constexpr int kBusinessTypesPerRate = BusinessCategories::kCount;

// The return rule leaves 5% of the sales of securities; the return wants the sales themselves.
inline constexpr std::int32_t kSecuritiesFactor = 20;

// False when there is no settings object or no return rule.
bool ReturnFigures(AggregationContext& context, std::span<StTAXREPORTRATEINFO> rates,
                   std::span<StTAXREPORTBUSINESSTYPEINFO> businessTypes, std::int32_t substituteRate);
