#include "platform/CToolTipCtrl.h"
#include "platform/host/HostWorld.h"

BOOL CToolTipCtrl::Create(CWnd* pParentWnd) {
    if (!pParentWnd || !World().windows.Dialog(pParentWnd->GetSafeHwnd())) return FALSE;
    parent_ = pParentWnd;
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const std::string& text) {
    const HostDialog* dialog = parent_ ? World().windows.Dialog(parent_->GetSafeHwnd()) : nullptr;
    const HostControl* control = pWnd ? World().windows.Control(pWnd->GetSafeHwnd()) : nullptr;
    if (!dialog || !control) return FALSE;
    World().transcript.ToolTip(dialog->Id(), control->id, text);
    return TRUE;
}
