// The windows of CDialog, simulated.
#include "platform/CDialog.h"
#include "platform/DialogWindow.h"
#include "platform/FrameworkObserver.h"
#include "platform/host/HostDialogWindow.h"
#include "platform/host/HostWorld.h"

namespace {

void FocusFirstTabStop(HostDialog& dialog) {
    for (const auto& control : dialog.controls) {
        if ((control->style & WS_TABSTOP) && control->enabled && control->visible) {
            World().windows.focus = control->hwnd;
            control->wholeSelected = control->kind == ControlKind::Edit;  // focus by the keyboard
            return;
        }
    }
}

}  // namespace

BOOL CreateDialogWindow(CDialog& object, HWND owner) {
    HostWorld& world = World();
    HostDialog& dialog = world.windows.CreateDialog(object.Resource(), object, object.IsModal());
    const HWND hwnd = dialog.hwnd;
    dialog.owner = owner;
    dialog.previousFocus = world.windows.focus;
    object.m_hWnd = hwnd;
    if (object.IsModal()) world.windows.PushModal(dialog);
    const BOOL focusFirst = object.InitDialogFromSystem();
    HostDialog* created = world.windows.Dialog(hwnd);
    if (!created) return FALSE;
    if (focusFirst) FocusFirstTabStop(*created);
    created->visible = object.IsModal() || (created->resource->style & WS_VISIBLE);
    return TRUE;
}

void HideDialogWindow(CDialog& object) {
    if (HostDialog* dialog = World().windows.Dialog(object.m_hWnd)) dialog->visible = false;
}

void DestroyDialogWindow(HostDialog& dialog, bool callOnDestroy) {
    HostWorld& world = World();
    CDialog* object = dialog.object;
    const HWND previousFocus = dialog.previousFocus;
    const bool modal = dialog.modal;
    world.windows.DestroyDialog(dialog.hwnd);
    object->ForgetTemporaryWrappers();
    // Windows gives the focus back to the window that had it when a modal dialog started.
    if (modal && world.windows.IsOurs(previousFocus)) world.windows.focus = previousFocus;
    if (!callOnDestroy) {
        object->m_hWnd = nullptr;
        return;
    }
    object->OnDestroy();
    object->m_hWnd = nullptr;
    Observer().DialogDestroyed(*object);
}

void ForgetDialogWindow(CDialog& object) {
    if (HostDialog* dialog = World().windows.Dialog(object.m_hWnd)) DestroyDialogWindow(*dialog, false);
    object.m_hWnd = nullptr;
}

CDialog* CDialog::FromWindow(HWND hwnd) {
    const HostDialog* dialog = World().windows.DialogOf(hwnd);
    return dialog ? dialog->object : nullptr;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    HostControl* control = pWndCtrl ? World().windows.Control(pWndCtrl->GetSafeHwnd()) : nullptr;
    if (!control) return;
    World().windows.focus = control->hwnd;
    if (control->kind == ControlKind::Edit) control->wholeSelected = true;
}

BOOL CDialog::CheckRadioButton(int idFirst, int idLast, int idCheck) {
    HostDialog* dialog = World().windows.Dialog(m_hWnd);
    if (!dialog) return FALSE;
    for (const auto& control : dialog->controls) {
        if (control->IsButton() && control->id >= idFirst && control->id <= idLast)
            control->checked = control->id == idCheck;
    }
    return TRUE;
}
