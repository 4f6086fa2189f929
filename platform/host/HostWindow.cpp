// CWnd over the simulated windows, and the window services of SystemServices. A handle that
// is not one of ours is the calling program's window: what is done to it is written as a
// `parent` event.
#include "platform/CWnd.h"
#include "platform/DialogWindow.h"
#include "platform/FrameworkObserver.h"
#include "platform/SystemServices.h"
#include "platform/host/HostDialogWindow.h"
#include "platform/host/HostWorld.h"

namespace {

WindowRegistry& Windows() { return World().windows; }

}  // namespace

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    if (CWnd* ours = Windows().WrapperOf(hWnd)) return ours;
    return ForeignWindow(hWnd);
}

int CWnd::GetDlgCtrlID() const {
    const HostControl* control = Windows().Control(m_hWnd);
    return control ? control->id : 0;
}

CWnd* CWnd::GetDlgItem(int id) const {
    const HostDialog* dialog = Windows().Dialog(m_hWnd);
    const HostControl* control = dialog ? dialog->FindControl(id) : nullptr;
    return control ? Windows().WrapperOf(control->hwnd) : nullptr;
}

BOOL CWnd::SubclassDlgItem(int nID, CWnd* pParent) {
    const HostDialog* dialog = pParent ? Windows().Dialog(pParent->m_hWnd) : nullptr;
    HostControl* control = dialog ? dialog->FindControl(nID) : nullptr;
    if (!control) return FALSE;
    control->wrapper = this;
    m_hWnd = control->hwnd;
    return TRUE;
}

void CWnd::SetWindowText(const std::string& text) {
    if (HostDialog* dialog = Windows().Dialog(m_hWnd)) {
        dialog->caption = text;
        Observer().CaptionSet(*dialog->object, text);
    } else if (HostControl* control = Windows().Control(m_hWnd)) {
        control->text = text;  // as WM_SETTEXT: not bound by the edit's limit; the selection goes
        control->wholeSelected = false;
    }
}

std::string CWnd::GetWindowText() const {
    if (const HostDialog* dialog = Windows().Dialog(m_hWnd)) return dialog->caption;
    if (const HostControl* control = Windows().Control(m_hWnd)) return control->text;
    return {};
}

BOOL CWnd::EnableWindow(BOOL enable) { return platform::EnableWindow(m_hWnd, enable); }

BOOL CWnd::IsWindowEnabled() const {
    if (const HostDialog* dialog = Windows().Dialog(m_hWnd)) return dialog->enabled;
    if (const HostControl* control = Windows().Control(m_hWnd)) return control->enabled;
    return FALSE;
}

CWnd* CWnd::SetFocus() {
    const HWND previous = Windows().focus;
    if (Windows().IsOurs(m_hWnd)) Windows().focus = m_hWnd;
    return FromHandle(previous);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    const bool show = nCmdShow != SW_HIDE;
    if (HostDialog* dialog = Windows().Dialog(m_hWnd)) {
        const bool was = dialog->visible;
        dialog->visible = show;
        if (was != show) Observer().DialogShown(*dialog->object, show);
        return was;
    }
    if (HostControl* control = Windows().Control(m_hWnd)) {
        const bool was = control->visible;
        control->visible = show;
        return was;
    }
    return FALSE;
}

BOOL CWnd::IsWindowVisible() const {
    if (const HostDialog* dialog = Windows().Dialog(m_hWnd)) return dialog->visible;
    const HostControl* control = Windows().Control(m_hWnd);
    const HostDialog* owner = Windows().DialogOf(m_hWnd);
    return control && owner && control->visible && owner->visible;
}

// Simulated windows are always current; progress steps are not written (there are thousands).
void CWnd::UpdateWindow() {}

void CWnd::BringWindowToTop() {}

BOOL CWnd::SetForegroundWindow() { return platform::SetForegroundWindow(m_hWnd); }

BOOL CWnd::DestroyWindow() {
    HostDialog* dialog = Windows().Dialog(m_hWnd);
    if (!dialog) return FALSE;
    DestroyDialogWindow(*dialog);
    return TRUE;
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return platform::MessageBox(m_hWnd, text ? text : "", caption ? caption : "Error", type);
}

CWnd* GetFocusWnd() { return CWnd::FromHandle(Windows().focus); }

namespace platform {

short GetKeyState(int virtualKey) {
    const KeyModifiers& keys = World().keyboard.keys;
    const bool down = (virtualKey == VK_SHIFT && keys.shift) || (virtualKey == VK_CONTROL && keys.ctrl) ||
                      (virtualKey == VK_MENU && keys.alt);
    return down ? static_cast<short>(0x8000) : 0;
}

BOOL EnableWindow(HWND hWnd, BOOL enable) {
    if (!hWnd) return FALSE;
    bool* enabled = nullptr;
    if (HostDialog* dialog = Windows().Dialog(hWnd)) enabled = &dialog->enabled;
    else if (HostControl* control = Windows().Control(hWnd)) enabled = &control->enabled;
    if (!enabled) {
        Observer().ForeignWindowCalled(enable ? "enable" : "disable", hWnd);
        return FALSE;
    }
    const bool wasDisabled = !*enabled;
    *enabled = enable != FALSE;
    return wasDisabled;
}

BOOL SetForegroundWindow(HWND hWnd) {
    if (!hWnd) return FALSE;
    if (!Windows().IsOurs(hWnd)) Observer().ForeignWindowCalled("foreground", hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) { return hWnd != nullptr; }

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hWnd) return FALSE;
    if (Windows().IsOurs(hWnd)) {
        World().queue.push_back(MSG{hWnd, message, wParam, lParam});
        return TRUE;
    }
    Observer().ForeignWindowPosted(hWnd, message, wParam, lParam);
    return TRUE;
}

}  // namespace platform
