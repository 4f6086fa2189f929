// CDialog over real dialog windows made from in-memory templates with the W functions; the
// key filter that gives the program's PreTranslateMessage every key before the dialog does.
#include "platform/CDialog.h"
#include "platform/win32/DialogTemplate.h"
#include "platform/win32/Win32World.h"

#include <algorithm>
#include <optional>

namespace {

constexpr UINT kRedrawPictures = WM_APP;

HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

// The owner of a dialog: a window of the program. The calling program's window is not taken:
// the dialog manager would enable it again when the dialog ends, while the run goes on.
HWND Owner(const CWnd* parent) {
    const HWND hwnd = parent ? parent->GetSafeHwnd() : nullptr;
    return World().DialogOf(hwnd) ? hwnd : nullptr;
}

// The program's control wrappers lose their window with the dialog, as in MFC.
void ForgetControls(HWND dialog) {
    Win32World& world = World();
    for (auto it = world.controls.begin(); it != world.controls.end();) {
        if (::GetParent(it->first) == dialog || !::IsWindow(it->first)) {
            it->second->m_hWnd = nullptr;
            it = world.controls.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = world.temporary.begin(); it != world.temporary.end();) {
        it = ::GetParent(it->first) == dialog || !::IsWindow(it->first) ? world.temporary.erase(it) : std::next(it);
    }
}

void OnInit(HWND hwnd, CDialog& object) {
    Win32World& world = World();
    object.m_hWnd = hwnd;
    world.dialogs[hwnd] = &object;
    if (world.startingModal == &object) {
        world.modal.push_back(hwnd);
        world.startingModal = nullptr;
    }
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

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32World& world = World();
    try {
        if (message == WM_INITDIALOG) {
            CDialog& object = *reinterpret_cast<CDialog*>(lParam);
            OnInit(hwnd, object);
            ShowPictures(hwnd, object.Resource());
            world.initializing.emplace(hwnd, std::nullopt);
            const BOOL focusFirst = object.OnInitDialog();
            const std::optional<int> endedInInit = world.initializing[hwnd];
            world.initializing.erase(hwnd);
            if (!::IsWindow(hwnd)) return focusFirst;
            world.transcript.DialogOpened(object.Resource().id, world.States(hwnd));
            // A dialog that its initialisation ended shows what the whole initialisation set up.
            if (endedInInit) {
                world.ReportFocus();
                world.transcript.DialogEnded(object.Resource().id, *endedInInit, world.States(hwnd));
            }
            return focusFirst;
        }
        CDialog* object = world.DialogObject(hwnd);
        if (!object) return FALSE;
        switch (message) {
            case WM_COMMAND: OnCommand(hwnd, *object, wParam, lParam); return TRUE;
            case WM_CLOSE: object->OnCommand(IDCANCEL); return TRUE;  // the close box cancels
            // On a monitor of another DPI Windows rescales the dialog; its pictures are drawn
            // again at their new size once it has.
            case WM_DPICHANGED: ::PostMessageW(hwnd, kRedrawPictures, 0, 0); return FALSE;
            case kRedrawPictures: ShowPictures(hwnd, object->Resource()); return TRUE;
            case WM_DESTROY:
                object->OnDestroy();
                if (world.modeless.count(hwnd)) world.transcript.DialogDestroyed(object->Resource().id);
                return TRUE;
            case WM_NCDESTROY:
                ForgetControls(hwnd);
                ForgetPictures(hwnd);
                world.initializing.erase(hwnd);
                world.dialogs.erase(hwnd);
                world.modal.erase(std::remove(world.modal.begin(), world.modal.end(), hwnd), world.modal.end());
                world.modeless.erase(hwnd);
                world.ended.erase(hwnd);
                world.toolTips.erase(hwnd);
                world.closedAtScriptEnd.erase(hwnd);
                if (world.DialogOf(::GetFocus()) == nullptr) world.reportedFocus.reset();
                object->m_hWnd = nullptr;
                return TRUE;
            default: return FALSE;
        }
    } catch (...) {
        world.Fail(std::current_exception());
        return TRUE;
    }
}

// The dialog manager's loop calls this before IsDialogMessage: the program's dialog sees its
// keys first, and a key it handles goes no further.
LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam) {
    Win32World& world = World();
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && msg->message == WM_KEYDOWN) {
        const HWND dialog = world.DialogOf(msg->hwnd);
        CDialog* object = dialog && !world.modal.empty() && world.modal.back() == dialog ? world.DialogObject(dialog)
                                                                                          : nullptr;
        BOOL handled = FALSE;
        try {
            if (object) handled = object->PreTranslateMessage(msg);
        } catch (...) {
            world.Fail(std::current_exception());
            handled = TRUE;
        }
        if (world.releaseModifiers) {  // a scripted key's modifiers end with its handling
            BYTE keys[256];
            ::GetKeyboardState(keys);
            for (int key : {VK_SHIFT, VK_LSHIFT, VK_CONTROL, VK_LCONTROL, VK_MENU, VK_LMENU}) keys[key] = 0;
            ::SetKeyboardState(keys);
            world.releaseModifiers = false;
        }
        if (handled) return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void InstallKeyFilter() {
    static HHOOK hook = ::SetWindowsHookExW(WH_MSGFILTER, KeyFilter, nullptr, ::GetCurrentThreadId());
    (void)hook;
}

CDialog::CDialog(const DialogResource& resource, CWnd* pParentWnd) : resource_(resource), parent_(pParentWnd) {}

CDialog::~CDialog() {
    // The subclass is gone: the window goes without OnDestroy, as MFC's destructor does it.
    Win32World& world = World();
    if (m_hWnd && world.dialogs.count(m_hWnd)) {
        const HWND hwnd = m_hWnd;
        const bool modeless = world.modeless.count(hwnd) != 0;
        world.dialogs.erase(hwnd);
        ForgetControls(hwnd);
        world.modeless.erase(hwnd);
        ::DestroyWindow(hwnd);
        if (modeless) world.transcript.DialogDestroyed(resource_.id);
    }
}

INT_PTR CDialog::DoModal() {
    Win32World& world = World();
    if (m_hWnd) return -1;
    InstallKeyFilter();
    const DialogTemplate dialogTemplate(resource_);
    world.startingModal = this;  // joins the modal stack with WM_INITDIALOG, leaves it with the window
    const INT_PTR result = ::DialogBoxIndirectParamW(Instance(), dialogTemplate.Get(), Owner(parent_), DialogProc,
                                                     reinterpret_cast<LPARAM>(this));
    world.startingModal = nullptr;
    world.Rethrow();
    return result;
}

BOOL CDialog::Create(CWnd* pParentWnd) {
    Win32World& world = World();
    if (m_hWnd) return FALSE;
    if (pParentWnd) parent_ = pParentWnd;
    const DialogTemplate dialogTemplate(resource_);
    const HWND hwnd = ::CreateDialogIndirectParamW(Instance(), dialogTemplate.Get(), Owner(parent_), DialogProc,
                                                   reinterpret_cast<LPARAM>(this));
    world.Rethrow();
    if (!hwnd) return FALSE;
    world.modeless.insert(hwnd);
    if (::IsWindowVisible(hwnd)) world.transcript.DialogShown(resource_.id, true);
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    Win32World& world = World();
    if (!m_hWnd || !world.dialogs.count(m_hWnd)) return;
    if (world.modeless.count(m_hWnd)) {  // a modeless dialog is hidden and lives on
        world.transcript.DialogEnded(resource_.id, nResult, world.States(m_hWnd));
        ::ShowWindow(m_hWnd, SW_HIDE);
        return;
    }
    // The windows still hold the end state here: written once, before the dialog manager
    // takes them down.
    if (world.ended.insert(m_hWnd).second) {
        if (const auto initializing = world.initializing.find(m_hWnd); initializing != world.initializing.end()) {
            initializing->second = nResult;  // written when the initialisation is over
        } else {
            world.ReportFocus();
            world.transcript.DialogEnded(resource_.id, nResult, world.States(m_hWnd));
        }
    }
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl && m_hWnd) ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), TRUE);
}

BOOL CDialog::CheckRadioButton(int idFirst, int idLast, int idCheck) {
    return ::CheckRadioButton(m_hWnd, idFirst, idLast, idCheck);
}
