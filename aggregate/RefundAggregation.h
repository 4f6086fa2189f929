// The refund statement's figures: book totals, not-taxable purchases and asset acquisitions
// of the chosen months, for a corporation and, by department, for an individual.
#pragma once

#include "aggregate/AggregationContext.h"
#include "aggregate/TaxTotals.h"
#include "core_api/StDATAINFO.h"
#include "core_api/StSHOHIZEIINFO.h"

// Each works only for its kind of data set and answers 1 for the others; 0 on a failure,
// keeping the figures gathered before it.
int AggregateCorporateRefund(AggregationContext& context, TaxTotals& totals, const StDATAINFO& dataSet,
                             const StSHOHIZEIINFO& settings);
int AggregateIndividualRefund(AggregationContext& context, TaxTotals& totals, const StDATAINFO& dataSet,
                              const StSHOHIZEIINFO& settings);
