// CWnd over real windows, and the window services of SystemServices. A window that is not the
// program's own is the calling program's: what is done to it is also told to the observer
// before the real call.
#include "platform/CDialog.h"
#include "platform/DialogWindow.h"
#include "platform/FrameworkObserver.h"
#include "platform/SystemServices.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32World.h"

namespace {

bool IsOurs(HWND hWnd) { return CDialog::FromWindow(hWnd) != nullptr; }

// The dialog whose own window this is (not one of its controls).
CDialog* DialogItself(HWND hWnd) {
    CDialog* dialog = CDialog::FromWindow(hWnd);
    return dialog && dialog->GetSafeHwnd() == hWnd ? dialog : nullptr;
}

}  // namespace

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    CDialog* dialog = CDialog::FromWindow(hWnd);
    if (!dialog) return ForeignWindow(hWnd);
    if (dialog->GetSafeHwnd() == hWnd) return dialog;
    if (auto* wrapper = reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA))) return wrapper;
    CWnd* temporary = dialog->TemporaryWrapper(hWnd);
    ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(temporary));
    return temporary;
}

int CWnd::GetDlgCtrlID() const { return m_hWnd ? ::GetDlgCtrlID(m_hWnd) : 0; }

CWnd* CWnd::GetDlgItem(int id) const { return DialogItself(m_hWnd) ? FromHandle(::GetDlgItem(m_hWnd, id)) : nullptr; }

BOOL CWnd::SubclassDlgItem(int nID, CWnd* pParent) {
    const HWND control = pParent && DialogItself(pParent->m_hWnd) ? ::GetDlgItem(pParent->m_hWnd, nID) : nullptr;
    if (!control) return FALSE;
    ::SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_hWnd = control;
    return TRUE;
}

void CWnd::SetWindowText(const std::string& text) {
    ::SetWindowTextW(m_hWnd, Wide(text).c_str());
    if (CDialog* dialog = DialogItself(m_hWnd)) Observer().CaptionSet(*dialog, text);
}

std::string CWnd::GetWindowText() const { return Narrow(WindowTextOf(m_hWnd)); }

BOOL CWnd::EnableWindow(BOOL enable) { return platform::EnableWindow(m_hWnd, enable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

BOOL CWnd::ShowWindow(int nCmdShow) {
    const BOOL was = ::ShowWindow(m_hWnd, nCmdShow);
    const bool show = nCmdShow != SW_HIDE;
    if (CDialog* dialog = DialogItself(m_hWnd); dialog && (was != FALSE) != show) Observer().DialogShown(*dialog, show);
    return was;
}

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }

BOOL CWnd::SetForegroundWindow() { return platform::SetForegroundWindow(m_hWnd); }

BOOL CWnd::DestroyWindow() { return DialogItself(m_hWnd) ? ::DestroyWindow(m_hWnd) : FALSE; }

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return platform::MessageBox(m_hWnd, text ? text : "", caption ? caption : "Error", type);
}

CWnd* GetFocusWnd() { return CWnd::FromHandle(::GetFocus()); }

namespace platform {

short GetKeyState(int virtualKey) { return ::GetKeyState(virtualKey); }

BOOL EnableWindow(HWND hWnd, BOOL enable) {
    if (!hWnd) return FALSE;
    if (!IsOurs(hWnd)) Observer().ForeignWindowCalled(enable ? "enable" : "disable", hWnd);
    return ::EnableWindow(hWnd, enable);
}

BOOL SetForegroundWindow(HWND hWnd) {
    if (!hWnd) return FALSE;
    if (!IsOurs(hWnd)) Observer().ForeignWindowCalled("foreground", hWnd);
    return ::SetForegroundWindow(hWnd);
}

BOOL PeekMessage(MSG* msg, HWND hWnd, UINT filterMin, UINT filterMax, UINT removeMsg) {
    return ::PeekMessageW(msg, hWnd, filterMin, filterMax, removeMsg);
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hWnd) return FALSE;
    if (!IsOurs(hWnd)) Observer().ForeignWindowPosted(hWnd, message, wParam, lParam);
    return ::PostMessageA(hWnd, message, wParam, lParam);
}

}  // namespace platform
