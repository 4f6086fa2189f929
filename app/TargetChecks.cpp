#include "app/TargetChecks.h"

// Until the journal is searched, no range holds such entries.
std::int32_t CountSixthBusinessCategory(AggregationContext& /*context*/, const StDATAINFO& /*dataSet*/,
                                        std::int32_t& count) {
    count = 0;
    return 0;
}

int CheckUndeterminedImportTax(AggregationContext& /*context*/, const StDATAINFO& /*dataSet*/) { return 0; }
