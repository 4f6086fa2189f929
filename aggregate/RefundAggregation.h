// The refund statement's figures: book totals, not-taxable purchases and asset acquisitions
// of the chosen months, for a corporation and, by department, for an individual.
#pragma once

#include "aggregate/AggregationContext.h"
#include "aggregate/TaxTotals.h"
#include "core_api/StDATAINFO.h"
#include "core_api/StSHOHIZEIINFO.h"

// Each works only for its kind of data set and answers true for the others; false on a
// failure, keeping the figures gathered before it.
bool AggregateCorporateRefund(AggregationContext& context, TaxTotals& totals, const StDATAINFO& dataSet,
                              const StSHOHIZEIINFO& settings);
bool AggregateIndividualRefund(AggregationContext& context, TaxTotals& totals, const StDATAINFO& dataSet,
                               const StSHOHIZEIINFO& settings);
