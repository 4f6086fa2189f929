#include "core_api/ClToolTipMgr.h"

#include "core_api/standin/World.h"

BOOL ClToolTipMgr::Init(CWnd* dialog, const StTOOLTIPINFO* entries, int count) {
    StandIn::World::Get().Log("ClToolTipMgr::Init");
    if (dialog == nullptr || (entries == nullptr && count > 0) || !toolTip_.Create(dialog)) return FALSE;
    BOOL all = TRUE;
    for (int i = 0; i < count; ++i) {
        CWnd* control = dialog->GetDlgItem(entries[i].controlId);
        if (control == nullptr || entries[i].text == nullptr || !toolTip_.AddTool(control, entries[i].text))
            all = FALSE;
    }
    return all;
}
