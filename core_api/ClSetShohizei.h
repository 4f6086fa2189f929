// Set object 4: the consumption-tax settings of the current data set.
#pragma once

#include "core_api/ClSetBase.h"
#include "core_api/StSHOHIZEIINFO.h"

class ClSetShohizei : public ClSetBase {
public:
    // Fills the 12-byte settings; status 0 when filled.
    std::int32_t Get(StSHOHIZEIINFO* info);
    // The number of tax rates of the data set.
    int GetTaxRateCount();

private:
    friend struct StandInSets;
    ClSetShohizei() = default;
};
