#include "app/SelectedData.h"

#include "core_api/ClDataMgr.h"
#include "core_api/ClSetData.h"
#include "core_api/ClSetShohizei.h"
#include "core_api/SetObject.h"

namespace {

SettingsKey ReadUserSelection() {
    SettingsKey selection;
    ClSysUser* user = ClDataMgr::Inst()->GetSysUserObject();
    if (user == nullptr) return selection;
    user->GetCurUserID(selection.userId);
    user->GetSelectedNo(selection.userId, selection.first, selection.dataNo);
    return selection;
}

// The data set whose number was selected; zero-filled when none matches.
StDATAINFO FindDataSet(ClSetData& dataSets, std::int32_t dataNo) {
    StDATAINFO found{};
    ClSetBase::CursorHandle cursor = 0;
    dataSets.GetDatCursor(cursor);
    dataSets.ReadyDat(cursor, 0);
    StDATAINFO walked{};
    while (dataSets.WalkDat(&walked, cursor) == 0) {
        if (walked.dataNo == dataNo) {
            found = walked;
            break;
        }
        walked = StDATAINFO{};
    }
    dataSets.ReleaseDatCursor(cursor);
    return found;
}

// Binds the settings object to the data set; the settings stay zero-filled when the core
// cannot read them.
StSHOHIZEIINFO ReadTaxSettings(ClSetShohizei& object, const StDATAINFO& dataSet) {
    object.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    object.SetCurDataID(dataSet.dataId);
    StSHOHIZEIINFO read{};
    return object.Get(&read) == 0 ? read : StSHOHIZEIINFO{};
}

}  // namespace

SelectedData ReadSelectedData() {
    SelectedData selected;
    selected.dataSets = DataManagerSetObject<SetObject::DataSets>();
    selected.selection = ReadUserSelection();
    if (selected.dataSets != nullptr) selected.dataSet = FindDataSet(*selected.dataSets, selected.selection.dataNo);
    selected.taxSettingsObject = DataManagerSetObject<SetObject::TaxSettings>();
    if (selected.taxSettingsObject != nullptr) {
        selected.taxSettings = ReadTaxSettings(*selected.taxSettingsObject, selected.dataSet);
    }
    return selected;
}
