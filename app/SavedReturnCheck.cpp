#include "app/SavedReturnCheck.h"

#include "aggregate/CoreObjects.h"
#include "aggregate/RuleBinding.h"
#include "app/StatusRecord.h"
#include "core_api/ClSaveTaxShiryo.h"

#include <memory>
#include <new>

namespace {

constexpr int kLoadLine = 8505;

std::int32_t LoadSavedReturn(SavedReturnArea& area, const StDATAINFO& dataSet) {
    std::unique_ptr<ClSaveTaxShiryo> saved(new (std::nothrow) ClSaveTaxShiryo());
    if (!saved) return kRuleNotCreated;
    BindRule(*saved, dataSet.dataId);
    saved->RefreshCache();
    return saved->GetTaxSaveInfo(&area.info);
}

struct Period {
    std::int32_t first = 0;
    std::int32_t last = 0;
};

Period AccountingPeriod(ClSetData* dataSets) {
    Period period;
    if (auto object = AccountingPeriodOf(dataSets)) object->GetPeriod(period.first, period.last);
    return period;
}

}  // namespace

bool LoadAndMatchSavedReturn(const SelectedData& selected, SavedReturnArea& area) {
    const StDATAINFO& dataSet = selected.dataSet;
    const std::int32_t status = LoadSavedReturn(area, dataSet);
    RecordStatus(status, StatusPlace::kControl, kLoadLine);
    if (status != 0) return false;

    const Period period = AccountingPeriod(selected.dataSets);
    const StSaveTaxInfo& saved = area.info;
    const int expectedKind = selected.Method() == TaxMethod::Simplified ? 2 : 1;
    return saved.periodFirst != 0 && saved.periodLast != 0 && saved.periodFirst == period.first &&
           saved.periodLast == period.last && saved.interimCode == dataSet.interimSetting + 1 &&
           saved.taxationKind == expectedKind && saved.creditMethod == selected.taxSettings.creditMethod + 1;
}
