#include "app/TaxSettings.h"

#include "core_api/ClDataMgr.h"
#include "core_api/ClSetShohizei.h"
#include "core_api/SetObject.h"

#include <cstring>

int ReadTaxSettings(RunState& state, const StDATAINFO& dataSet, StSHOHIZEIINFO& settings) {
    if (state.taxSettings == nullptr) {
        state.taxSettings = DataManagerSetObject<SetObject::TaxSettings>();
    }
    // A data set without settings object has no settings to read.
    if (state.taxSettings == nullptr) return 0;
    state.taxSettings->AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    state.taxSettings->SetCurDataID(dataSet.dataId);
    StSHOHIZEIINFO read;
    std::memset(&read, 0, sizeof read);
    if (state.taxSettings->Get(&read) != 0) return 0;
    settings = read;
    return 1;
}
