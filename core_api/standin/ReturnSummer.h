// The consumption-tax return rule over the journal: which tax categories feed which figures of
// the rate and business-type records, with which sign.
#pragma once

#include "core_api/StTAXREPORTRATEINFO.h"
#include "core_api/standin/Books.h"
#include "core_api/standin/FindCondition.h"
#include "core_api/standin/JournalSummary.h"

#include <cstdint>

namespace StandIn {

// The five rate classes in record order: 10%, 8% reduced, 8%, 5%, 3%.
inline constexpr int kRateClassCount = 5;
inline constexpr std::int32_t kRateClassRates[kRateClassCount] = {1000, 800, 800, 500, 300};
inline constexpr std::uint8_t kRateClassReduced[kRateClassCount] = {0, 1, 0, 0, 0};

// Position of the class of a side's rate and reduced flag (rate 0 takes the substitute rate,
// not reduced); -1 when no class fits.
int RateClassOf(std::int32_t rate, std::uint8_t reduced, std::int32_t substituteRate);

// Replaces the figures of the first min(rateCount, 5) positions of rates and business (six per
// position) by the sums over the journal lines that satisfy condition, taken from the data
// set's summary; heads stay as stamped.
void SumReturn(const BookDataSet& dataSet, const JournalSummary& summary, const FindCondition& condition,
               std::int32_t substituteRate, StTAXREPORTRATEINFO* rates, StTAXREPORTBUSINESSTYPEINFO* business);

}  // namespace StandIn
