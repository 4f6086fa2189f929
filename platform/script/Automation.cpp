#include "platform/script/Automation.h"

#include "platform/CControls.h"
#include "platform/CDialog.h"

#include <iostream>

namespace {

Automation* installed = nullptr;

// The controls the program addresses (not IDC_STATIC), as the windows hold them.
std::vector<ControlState> States(CDialog& dialog) {
    std::vector<ControlState> states;
    for (const ControlResource& control : dialog.Resource().controls) {
        CWnd* item = control.id == IDC_STATIC ? nullptr : dialog.GetDlgItem(control.id);
        if (!item) continue;
        ControlState state{control.id, item->GetWindowText(), item->IsWindowEnabled() != FALSE, std::nullopt};
        if (control.kind == ControlKind::PushButton || control.kind == ControlKind::RadioButton) {
            CButton button;
            button.m_hWnd = item->GetSafeHwnd();
            state.checked = button.GetCheck() == BST_CHECKED;
            button.m_hWnd = nullptr;
        }
        states.push_back(std::move(state));
    }
    return states;
}

bool WholeTextSelected(CWnd& control) {
    CEdit edit;
    edit.m_hWnd = control.GetSafeHwnd();
    int start = 0, end = 0;
    edit.GetSel(start, end);
    edit.m_hWnd = nullptr;
    return start == 0 && end == control.GetWindowTextLength();
}

// The owner a message box names: the owning dialog's id, 0 for another program's window.
std::optional<int> OwnerId(HWND owner) {
    if (!owner) return std::nullopt;
    const CDialog* dialog = CDialog::FromWindow(owner);
    return dialog ? dialog->Resource().id : 0;
}

std::uintptr_t Number(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

}  // namespace

Automation* TheAutomation() { return installed; }

Automation::Automation(const AutomationConfig& config, ScriptKeyboard& keyboard) : keyboard_(keyboard) {
    transcript_.Open(config.transcriptPath, config.echo, config.echoOnTerminal);
    installed = this;
    SetObserver(this);
    SetSeams(this);
}

Automation::~Automation() {
    if (installed != this) return;
    SetObserver(nullptr);
    SetSeams(nullptr);
    installed = nullptr;
}

void Automation::SetScript(UiScript script) {
    driver_.reset();
    script_ = std::move(script);
    driver_.emplace(*script_, keyboard_);
}

void Automation::Finish(int status) {
    if (const int unused = status != 3 && script_ ? script_->UnusedLineCount() : 0)
        std::cerr << "txlink: " << unused << " line(s) of the UI script were not used\n";
    transcript_.Exit(status);
    transcript_.Close();
}

void Automation::ReportFocus() {
    CWnd* focus = GetFocusWnd();
    CDialog* dialog = focus ? CDialog::FromWindow(focus->GetSafeHwnd()) : nullptr;
    const ControlResource* control =
        dialog && dialog != focus ? FindControl(dialog->Resource(), focus->GetDlgCtrlID()) : nullptr;
    // The dialog manager also focuses a progress bar when a dialog has nothing else: a person
    // cannot see that focus, and it is not reported.
    const bool visible = control && (control->kind == ControlKind::Edit || control->kind == ControlKind::PushButton ||
                                     control->kind == ControlKind::RadioButton);
    if (!visible) {
        reportedFocus_.reset();
        return;
    }
    const bool whole = control->kind == ControlKind::Edit && WholeTextSelected(*focus);
    const FocusReport now{dialog->Resource().id, control->id, whole};
    if (reportedFocus_ == now) return;
    reportedFocus_ = now;
    transcript_.Focus(now.dialog, now.control, now.selectAll);
}

void Automation::DialogOpened(CDialog& dialog) { transcript_.DialogOpened(dialog.Resource().id, States(dialog)); }

void Automation::DialogEnded(CDialog& dialog, int result) {
    if (dialog.IsModal()) ReportFocus();
    transcript_.DialogEnded(dialog.Resource().id, result, States(dialog));
    if (driver_ && dialog.IsModal()) driver_->DialogEnded(dialog);
}

void Automation::DialogShown(CDialog& dialog, bool shown) { transcript_.DialogShown(dialog.Resource().id, shown); }

void Automation::DialogDestroyed(CDialog& dialog) {
    // A focus in a window that went is told again when a new window has it.
    if (reportedFocus_ && reportedFocus_->dialog == dialog.Resource().id) reportedFocus_.reset();
    if (!dialog.IsModal()) transcript_.DialogDestroyed(dialog.Resource().id);
}

void Automation::CaptionSet(CDialog& dialog, const std::string& text) { transcript_.Caption(dialog.Resource().id, text); }

void Automation::ToolTipAdded(CDialog& dialog, int control, const std::string& text) {
    transcript_.ToolTip(dialog.Resource().id, control, text);
}

void Automation::MessageBoxShowing(const MessageBoxRequest&) { ReportFocus(); }

void Automation::MessageBoxAnswered(const MessageBoxRequest& box, int answer) {
    transcript_.MessageBox(OwnerId(box.owner), box.caption, box.text, box.type, answer);
}

void Automation::FileDialogShowing() { ReportFocus(); }

void Automation::FileDialogEnded(const SaveDialogEvent& event) { transcript_.SaveDialog(event); }

void Automation::ForeignWindowCalled(const char* action, HWND window) { transcript_.Parent(action, Number(window)); }

void Automation::ForeignWindowPosted(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    transcript_.ParentPost(Number(window), message, wParam, lParam);
}

void Automation::CallFailed(const char* call, const std::string& path, DWORD code, const std::string& reason) {
    transcript_.Failure(call, path, code, reason);
}

bool Automation::ModalIdle(CDialog& dialog) {
    if (!driver_) return false;
    ReportFocus();
    driver_->Step(dialog);
    return true;
}

bool Automation::RefusesWrite(std::uint64_t count) {
    return faults_.writeFailAfter && bytesWritten_ + count > *faults_.writeFailAfter;
}
