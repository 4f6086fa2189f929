// The bare passes the refund aggregation is measured against: the same core calls and the
// same records fetched, in the same order, with nothing aggregated.
#pragma once

#include "aggregate/AggregationContext.h"

void BareCorporatePass(AggregationContext& context);
void BareIndividualPass(AggregationContext& context);
