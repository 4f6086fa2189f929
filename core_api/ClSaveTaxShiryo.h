// The consumption-tax return saved in the accounting product; bound like a rule object.
#pragma once

#include "core_api/ClRuleBase.h"
#include "core_api/StSaveTaxInfo.h"

class ClSaveTaxShiryo : public ClRuleBase {
public:
    ClSaveTaxShiryo();
    ~ClSaveTaxShiryo() override;

    std::int32_t RefreshCache();
    // Fills info with the saved return of the current data set; non-zero when there is none.
    std::int32_t GetTaxSaveInfo(StSaveTaxInfo* info);
};
