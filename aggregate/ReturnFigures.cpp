#include "aggregate/ReturnFigures.h"

// Until the return rule is driven, the records stay zero.
int ReturnFigures(AggregationContext& /*context*/, const StDATAINFO& /*dataSet*/,
                  std::span<StTAXREPORTRATEINFO> /*rates*/, std::span<StTAXREPORTBUSINESSTYPEINFO> /*businessTypes*/,
                  std::int32_t /*substituteRate*/) {
    return 1;
}
