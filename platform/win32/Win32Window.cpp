// CWnd over real windows, and the window services of SystemServices. A window that is not the
// program's own is the calling program's: what is done to it is also written as a `parent`
// event before the real call.
#include "platform/CWnd.h"
#include "platform/SystemServices.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32World.h"

namespace {

std::uintptr_t Number(HWND hWnd) { return reinterpret_cast<std::uintptr_t>(hWnd); }

bool IsOurs(HWND hWnd) { return World().DialogOf(hWnd) != nullptr; }

}  // namespace

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    Win32World& world = World();
    if (CDialog* dialog = world.DialogObject(hWnd)) return dialog;
    if (const auto found = world.controls.find(hWnd); found != world.controls.end()) return found->second;
    if (IsOurs(hWnd)) {
        std::unique_ptr<CWnd>& wrapper = world.temporary[hWnd];
        if (!wrapper) wrapper = std::make_unique<CWnd>(hWnd);
        return wrapper.get();
    }
    static auto* foreign = new std::map<HWND, std::unique_ptr<CWnd>>;  // as long as the process
    std::unique_ptr<CWnd>& wrapper = (*foreign)[hWnd];
    if (!wrapper) wrapper = std::make_unique<CWnd>(hWnd);
    return wrapper.get();
}

int CWnd::GetDlgCtrlID() const { return m_hWnd ? ::GetDlgCtrlID(m_hWnd) : 0; }

CWnd* CWnd::GetDlgItem(int id) const {
    return World().dialogs.count(m_hWnd) ? FromHandle(::GetDlgItem(m_hWnd, id)) : nullptr;
}

BOOL CWnd::SubclassDlgItem(int nID, CWnd* pParent) {
    const HWND control = pParent && World().dialogs.count(pParent->m_hWnd) ? ::GetDlgItem(pParent->m_hWnd, nID) : nullptr;
    if (!control) return FALSE;
    World().temporary.erase(control);
    World().controls[control] = this;
    m_hWnd = control;
    return TRUE;
}

void CWnd::SetWindowText(const std::string& text) {
    ::SetWindowTextW(m_hWnd, Wide(text).c_str());
    Win32World& world = World();
    if (world.dialogs.count(m_hWnd)) world.transcript.Caption(world.DialogId(m_hWnd), text);
}

std::string CWnd::GetWindowText() const {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

BOOL CWnd::EnableWindow(BOOL enable) { return platform::EnableWindow(m_hWnd, enable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

BOOL CWnd::ShowWindow(int nCmdShow) {
    const BOOL was = ::ShowWindow(m_hWnd, nCmdShow);
    Win32World& world = World();
    const bool show = nCmdShow != SW_HIDE;
    if (world.dialogs.count(m_hWnd) && (was != FALSE) != show) world.transcript.DialogShown(world.DialogId(m_hWnd), show);
    return was;
}

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }

BOOL CWnd::SetForegroundWindow() { return platform::SetForegroundWindow(m_hWnd); }

BOOL CWnd::DestroyWindow() { return World().dialogs.count(m_hWnd) ? ::DestroyWindow(m_hWnd) : FALSE; }

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return platform::MessageBox(m_hWnd, text ? text : "", caption ? caption : "Error", type);
}

CWnd* GetFocusWnd() { return CWnd::FromHandle(::GetFocus()); }

namespace platform {

short GetKeyState(int virtualKey) { return ::GetKeyState(virtualKey); }

BOOL EnableWindow(HWND hWnd, BOOL enable) {
    if (!hWnd) return FALSE;
    if (!IsOurs(hWnd)) World().transcript.Parent(enable ? "enable" : "disable", Number(hWnd));
    return ::EnableWindow(hWnd, enable);
}

BOOL SetForegroundWindow(HWND hWnd) {
    if (!hWnd) return FALSE;
    if (!IsOurs(hWnd)) World().transcript.Parent("foreground", Number(hWnd));
    return ::SetForegroundWindow(hWnd);
}

BOOL PeekMessage(MSG* msg, HWND hWnd, UINT filterMin, UINT filterMax, UINT removeMsg) {
    return ::PeekMessageW(msg, hWnd, filterMin, filterMax, removeMsg);
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hWnd) return FALSE;
    if (!IsOurs(hWnd)) World().transcript.ParentPost(Number(hWnd), message, wParam, lParam);
    return ::PostMessageA(hWnd, message, wParam, lParam);
}

}  // namespace platform
