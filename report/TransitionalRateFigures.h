// Whether the journal aggregation holds an amount at a transitional (older) tax rate: any
// figure of a rate past the first two (8%, 5%, 3%), in the rate records or in the business-
// type records of those rates.
#pragma once

#include "core_api/StTAXREPORTRATEINFO.h"

#include <span>

// rateCount: the data set's number of tax rates; positions past it, or past the arrays, are
// not looked at.
bool HoldsTransitionalRateFigures(std::span<const StTAXREPORTRATEINFO> rates,
                                  std::span<const StTAXREPORTBUSINESSTYPEINFO> businessTypes, int rateCount);

// The same with the rate count of the data set's consumption-tax settings; false when the
// data set has no settings object.
bool HoldsTransitionalRateFigures(std::span<const StTAXREPORTRATEINFO> rates,
                                  std::span<const StTAXREPORTBUSINESSTYPEINFO> businessTypes);
