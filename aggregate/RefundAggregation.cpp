#include "aggregate/RefundAggregation.h"

// Until the passes over accounts, journal and assets are in, the statement stays zero.
int AggregateCorporateRefund(AggregationContext& /*context*/, TaxTotals& /*totals*/, const StDATAINFO& /*dataSet*/,
                             const StSHOHIZEIINFO& /*settings*/) {
    return 1;
}

int AggregateIndividualRefund(AggregationContext& /*context*/, TaxTotals& /*totals*/, const StDATAINFO& /*dataSet*/,
                              const StSHOHIZEIINFO& /*settings*/) {
    return 1;
}
