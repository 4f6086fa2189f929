// The checks of the chosen range before the aggregation: journal entries of the sixth
// business category, and journal entries on import-tax categories not yet determined.
#pragma once

#include "aggregate/AggregationContext.h"

#include <cstdint>

// Status of the count (already recorded with the message manager), and the count.
std::int32_t CountSixthBusinessCategory(AggregationContext& context, std::int32_t& count);

// Whether a journal entry of the range uses tax categories 31 to 37; false also on failure.
bool HasUndeterminedImportTax(AggregationContext& context);
