#include "app/SelectedDataSet.h"

#include "core_api/ClDataMgr.h"
#include "core_api/ClSetData.h"
#include "core_api/SetObject.h"

#include <cstring>

UserSelection ReadUserSelection() {
    UserSelection selection;
    ClSysUser* user = ClDataMgr::Inst()->GetSysUserObject();
    if (user == nullptr) return selection;
    user->GetCurUserID(selection.userId);
    user->GetSelectedNo(selection.userId, selection.first, selection.dataNo);
    return selection;
}

void ReadSelectedDataSet(RunState& state, StDATAINFO& dataSet) {
    std::memset(&dataSet, 0, sizeof dataSet);
    state.dataSetSettings = DataManagerSetObject<SetObject::DataSets>();
    const UserSelection selection = ReadUserSelection();
    if (state.dataSetSettings == nullptr) return;
    ClSetData& dataSets = *state.dataSetSettings;
    ClSetBase::CursorHandle cursor = 0;
    dataSets.GetDatCursor(cursor);
    dataSets.ReadyDat(cursor, 0);
    StDATAINFO walked;
    std::memset(&walked, 0, sizeof walked);
    while (dataSets.WalkDat(&walked, cursor) == 0) {
        if (walked.dataNo == selection.dataNo) {
            dataSet = walked;
            break;
        }
        std::memset(&walked, 0, sizeof walked);
    }
    dataSets.ReleaseDatCursor(cursor);
}
