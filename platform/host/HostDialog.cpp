// CDialog over the simulated windows.
#include "platform/CDialog.h"
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

HostDialog* CreateDialogWindow(CDialog& object, bool modal) {
    HostWorld& world = World();
    HostDialog& dialog = world.windows.CreateDialog(object.Resource(), object, modal);
    const HWND hwnd = dialog.hwnd;
    object.m_hWnd = hwnd;
    if (modal) world.windows.PushModal(dialog);
    const BOOL focusFirst = object.OnInitDialog();
    HostDialog* created = world.windows.Dialog(hwnd);
    if (!created) return nullptr;
    if (focusFirst) FocusFirstTabStop(*created);
    world.transcript.DialogOpened(created->Id(), created->States());
    if (modal || (created->resource->style & WS_VISIBLE)) {
        created->visible = true;
        if (!modal) world.transcript.DialogShown(created->Id(), true);
    }
    return created;
}

void DestroyDialogWindow(HostDialog& dialog) {
    HostWorld& world = World();
    CDialog* object = dialog.object;
    const int id = dialog.Id();
    const bool modal = dialog.modal;
    if (world.reportedFocus && world.windows.DialogOf(world.windows.focus) == &dialog) world.reportedFocus.reset();
    world.windows.DestroyDialog(dialog.hwnd);
    object->OnDestroy();
    object->m_hWnd = nullptr;
    if (!modal) world.transcript.DialogDestroyed(id);
}

CDialog::CDialog(const DialogResource& resource, CWnd* pParentWnd) : resource_(resource), parent_(pParentWnd) {}

CDialog::~CDialog() {
    // The subclass is gone: the window goes without OnDestroy, as MFC's destructor does it.
    HostWorld& world = World();
    if (HostDialog* dialog = world.windows.Dialog(m_hWnd)) {
        const bool modal = dialog->modal;
        const int id = dialog->Id();
        world.reportedFocus.reset();
        world.windows.DestroyDialog(m_hWnd);
        if (!modal) world.transcript.DialogDestroyed(id);
    }
}

INT_PTR CDialog::DoModal() {
    HostWorld& world = World();
    if (world.windows.Dialog(m_hWnd)) return -1;
    const HWND previousFocus = world.windows.focus;
    const HostDialog* created = CreateDialogWindow(*this, true);
    if (!created) return -1;
    const HWND hwnd = created->hwnd;
    RunModalLoop(hwnd);
    HostDialog* dialog = world.windows.Dialog(hwnd);
    if (!dialog) return -1;  // destroyed by the program while it ran
    world.ReportFocus();
    world.transcript.DialogEnded(dialog->Id(), dialog->result, dialog->States());
    const int result = dialog->result;
    DestroyDialogWindow(*dialog);
    if (world.windows.IsOurs(previousFocus)) world.windows.focus = previousFocus;
    return result;
}

BOOL CDialog::Create(CWnd* pParentWnd) {
    if (World().windows.Dialog(m_hWnd)) return FALSE;
    if (pParentWnd) parent_ = pParentWnd;
    return CreateDialogWindow(*this, false) ? TRUE : FALSE;
}

void CDialog::EndDialog(int nResult) {
    HostWorld& world = World();
    HostDialog* dialog = world.windows.Dialog(m_hWnd);
    if (!dialog) return;
    dialog->result = nResult;
    dialog->ended = true;
    if (!dialog->modal) {  // a modeless dialog is hidden and lives on
        world.transcript.DialogEnded(dialog->Id(), nResult, dialog->States());
        dialog->visible = false;
    }
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
