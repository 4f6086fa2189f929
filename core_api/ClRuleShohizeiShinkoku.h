// The consumption-tax return rule: sums the journal lines of a month condition into the
// per-rate and per-business-type return records.
#pragma once

#include "core_api/ClRuleBase.h"
#include "core_api/StFINDINFO.h"
#include "core_api/StTAXREPORTRATEINFO.h"

class ClRuleShohizeiShinkoku : public ClRuleBase {
public:
    ClRuleShohizeiShinkoku();
    ~ClRuleShohizeiShinkoku() override;

    // The standard rate (hundredths of a percent) taken by lines without a rate.
    std::int32_t SetSubstTaxRate(std::int32_t rate);
    // rates holds one record per tax rate of the data set (at least five) and business six per
    // rate; the stamped heads are kept, the figures of the rate positions below the data set's
    // rate count are replaced.
    std::int32_t SumTax(std::uint8_t taxMethod, const StFINDINFO* condition,
                        StTAXREPORTRATEINFO* rates, StTAXREPORTBUSINESSTYPEINFO* business);
};
