#include "platform/CToolTipCtrl.h"
#include "platform/FrameworkObserver.h"
#include "platform/host/HostWorld.h"

BOOL CToolTipCtrl::Create(CWnd* pParentWnd) {
    if (!pParentWnd || !World().windows.Dialog(pParentWnd->GetSafeHwnd())) return FALSE;
    parent_ = pParentWnd;
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const std::string& text) {
    HostDialog* dialog = parent_ ? World().windows.Dialog(parent_->GetSafeHwnd()) : nullptr;
    const HostControl* control = pWnd ? World().windows.Control(pWnd->GetSafeHwnd()) : nullptr;
    if (!dialog || !control) return FALSE;
    Observer().ToolTipAdded(*dialog->object, control->id, text);
    return TRUE;
}
