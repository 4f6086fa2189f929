#include "app/SavedReturnCheck.h"

#include "aggregate/RuleBinding.h"
#include "app/TaxSettings.h"
#include "core_api/ClAccPeriod.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClMsgMgr.h"
#include "core_api/ClSaveTaxShiryo.h"
#include "core_api/ClSetData.h"
#include "core_api/SetObject.h"
#include "core_api/TaxMethod.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr std::int32_t kNotCreated = -1;
constexpr const char* kLocation = "Acc_FinTax31/ControlATS31";
constexpr int kLoadLine = 8505;

std::int32_t LoadSavedReturn(SavedReturnArea& area, const StDATAINFO& dataSet) {
    std::unique_ptr<ClSaveTaxShiryo> saved(new (std::nothrow) ClSaveTaxShiryo());
    if (!saved) return kNotCreated;
    BindRule(*saved, dataSet.dataId);
    saved->RefreshCache();
    return saved->GetTaxSaveInfo(&area.info);
}

struct Period {
    std::int32_t first = 0;
    std::int32_t last = 0;
};

Period AccountingPeriod(RunState& state) {
    Period period;
    if (state.dataSetSettings == nullptr) {
        state.dataSetSettings = DataManagerSetObject<SetObject::DataSets>();
    }
    ClAccPeriod* object = nullptr;
    if (state.dataSetSettings != nullptr) state.dataSetSettings->GetAccPeriod(object);
    std::unique_ptr<ClAccPeriod> owned(object);
    if (owned) owned->GetPeriod(period.first, period.last);
    return period;
}

}  // namespace

int LoadAndMatchSavedReturn(RunState& state, const StDATAINFO& dataSet) {
    const std::int32_t status = LoadSavedReturn(*state.savedReturnInfo, dataSet);
    ClMsgMgr::Inst()->SetLastError(status, status != 0 ? kLocation : nullptr, status != 0 ? kLoadLine : 0);
    if (status != 0) return 0;

    const Period period = AccountingPeriod(state);
    StSHOHIZEIINFO settings;
    std::memset(&settings, 0, sizeof settings);
    ReadTaxSettings(state, dataSet, settings);

    const StSaveTaxInfo& saved = state.savedReturnInfo->info;
    const int expectedKind = TaxMethodOf(settings) == TaxMethod::Simplified ? 2 : 1;
    const bool usable = saved.periodFirst != 0 && saved.periodLast != 0 && saved.periodFirst == period.first &&
                        saved.periodLast == period.last && saved.interimCode == dataSet.interimSetting + 1 &&
                        saved.taxationKind == expectedKind && saved.creditMethod == settings.creditMethod + 1;
    return usable ? 1 : 0;
}
