// The windows of CDialog: modeless dialog windows made from in-memory templates with the W
// functions, whatever the dialog's use; the framework's own loop makes a modal one modal. The
// object rides on its window (DWLP_USER, set at WM_INITDIALOG), a control's wrapper on the
// control (GWLP_USERDATA).
#include "platform/CDialog.h"
#include "platform/DialogWindow.h"
#include "platform/FrameworkObserver.h"
#include "platform/SystemServices.h"
#include "platform/win32/DialogTemplate.h"
#include "platform/win32/Win32World.h"

#include <algorithm>

namespace {

constexpr UINT kRedrawPictures = WM_APP;

HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

CDialog* ObjectOf(HWND dialog) { return reinterpret_cast<CDialog*>(::GetWindowLongPtrW(dialog, DWLP_USER)); }

// The program's control wrappers lose their window with the dialog, as in MFC.
BOOL CALLBACK ForgetWrapper(HWND control, LPARAM) {
    if (auto* wrapper = reinterpret_cast<CWnd*>(::GetWindowLongPtrW(control, GWLP_USERDATA))) {
        if (wrapper->m_hWnd == control) wrapper->m_hWnd = nullptr;
        ::SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    }
    return TRUE;
}

void ForgetControls(HWND dialog, CDialog& object) {
    ::EnumChildWindows(dialog, ForgetWrapper, 0);
    object.ForgetTemporaryWrappers();
}

// The dialog opens over the window that owns it (the program that started the run), inside
// that window's monitor's work area; without one it stays where DS_CENTER put it.
void CentreOverOwner(HWND dialog) {
    const HWND owner = ::GetWindow(dialog, GW_OWNER);
    if (!owner || !::IsWindowVisible(owner) || ::IsIconic(owner)) return;
    RECT over{}, box{};
    ::GetWindowRect(owner, &over);
    ::GetWindowRect(dialog, &box);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const LONG width = box.right - box.left, height = box.bottom - box.top;
    const LONG x = std::clamp((over.left + over.right - width) / 2, work.left, std::max(work.left, work.right - width));
    const LONG y = std::clamp((over.top + over.bottom - height) / 2, work.top, std::max(work.top, work.bottom - height));
    ::SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// WM_COMMAND of a button click, Esc (IDCANCEL) or Enter. Enter with no default button sends
// IDOK from no control: that never ends a dialog by itself.
void OnCommand(HWND hwnd, CDialog& object, WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (code != BN_CLICKED && code != 1) return;
    if (id == IDOK && lParam == 0 && !::GetDlgItem(hwnd, IDOK)) return;
    object.OnCommand(id);
}

INT_PTR OnInitDialog(HWND hwnd, CDialog& object) {
    ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(&object));
    object.m_hWnd = hwnd;
    CentreOverOwner(hwnd);
    ShowPictures(hwnd, object.Resource());
    return object.InitDialogFromSystem();
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) return OnInitDialog(hwnd, *reinterpret_cast<CDialog*>(lParam));
        CDialog* object = ObjectOf(hwnd);
        if (!object) return FALSE;
        switch (message) {
            case WM_COMMAND: OnCommand(hwnd, *object, wParam, lParam); return TRUE;
            case WM_CLOSE: object->OnCommand(IDCANCEL); return TRUE;  // the close box cancels
            // On a monitor of another DPI Windows rescales the dialog; its pictures are drawn
            // again at their new size once it has.
            case WM_DPICHANGED: ::PostMessageW(hwnd, kRedrawPictures, 0, 0); return FALSE;
            case kRedrawPictures: ShowPictures(hwnd, object->Resource()); return TRUE;
            case WM_DESTROY:
                ForgetPictures(hwnd, object->Resource());
                object->OnDestroy();
                return TRUE;
            case WM_NCDESTROY:
                ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
                ForgetControls(hwnd, *object);
                object->m_hWnd = nullptr;
                Observer().DialogDestroyed(*object);
                return TRUE;
            default: return FALSE;
        }
    } catch (...) {
        World().Fail(std::current_exception());
        return TRUE;
    }
}

}  // namespace

BOOL CreateDialogWindow(CDialog& dialog, HWND owner) {
    const DialogTemplate dialogTemplate(dialog.Resource());
    const HWND hwnd = ::CreateDialogIndirectParamW(Instance(), dialogTemplate.Get(), owner, DialogProc,
                                                   reinterpret_cast<LPARAM>(&dialog));
    World().Rethrow();
    if (!hwnd || dialog.m_hWnd != hwnd) return FALSE;
    if (dialog.IsModal() && !dialog.IsEnding()) ::ShowWindow(hwnd, SW_SHOW);
    return TRUE;
}

void HideDialogWindow(CDialog& dialog) { ::ShowWindow(dialog.m_hWnd, SW_HIDE); }

void ForgetDialogWindow(CDialog& dialog) {
    const HWND hwnd = dialog.m_hWnd;
    if (!hwnd) return;
    ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);  // no handler of the object runs any more
    ForgetControls(hwnd, dialog);
    ForgetPictures(hwnd, dialog.Resource());
    dialog.m_hWnd = nullptr;
    ::DestroyWindow(hwnd);
}

CDialog* CDialog::FromWindow(HWND hwnd) {
    DWORD process = 0;
    if (!hwnd || !::GetWindowThreadProcessId(hwnd, &process) || process != ::GetCurrentProcessId()) return nullptr;
    const HWND dialog = (::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hwnd) : hwnd;
    const auto procedure = reinterpret_cast<DLGPROC>(::GetWindowLongPtrW(dialog, DWLP_DLGPROC));
    return dialog && procedure == DialogProc ? ObjectOf(dialog) : nullptr;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl && m_hWnd) ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), TRUE);
}

BOOL CDialog::CheckRadioButton(int idFirst, int idLast, int idCheck) {
    return ::CheckRadioButton(m_hWnd, idFirst, idLast, idCheck);
}

namespace platform {

void WaitMessage() { ::WaitMessage(); }

BOOL IsDialogMessage(HWND dialog, MSG* msg) {
    const BOOL handled = ::IsDialogMessageW(dialog, msg);
    World().Rethrow();
    return handled;
}

void DispatchMessage(const MSG* msg) {
    ::TranslateMessage(msg);
    ::DispatchMessageW(msg);
    World().Rethrow();
}

BOOL IsWindow(HWND hWnd) { return ::IsWindow(hWnd); }

}  // namespace platform
