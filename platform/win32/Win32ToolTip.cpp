// Tool tips: one tool-tip window per CToolTipCtrl, owned by its dialog; each tool a control that
// it watches itself.
#include "platform/CDialog.h"
#include "platform/CToolTipCtrl.h"
#include "platform/FrameworkObserver.h"
#include "platform/win32/WideText.h"

#include <commctrl.h>

#include <climits>

BOOL CToolTipCtrl::Create(CWnd* pParentWnd) {
    const HWND dialog = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    if (!dialog || CDialog::FromWindow(dialog) != pParentWnd) return FALSE;
    if (!tip_ || !::IsWindow(tip_)) {
        const HWND tip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog,
                                           nullptr, ::GetModuleHandleW(nullptr), nullptr);
        if (!tip) return FALSE;
        // Only a tip with a maximum width breaks its text at the text's line breaks; the screen's
        // width breaks no line that fits on the screen. A long text stays up as long as it can.
        ::SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, ::GetSystemMetrics(SM_CXSCREEN));
        ::SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(SHRT_MAX, 0));
        tip_ = tip;  // owned by the dialog: it goes with it
    }
    parent_ = pParentWnd;
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const std::string& text) {
    const HWND dialog = parent_ ? parent_->GetSafeHwnd() : nullptr;
    const HWND control = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (!tip_ || !::IsWindow(tip_) || !control || ::GetParent(control) != dialog) return FALSE;
    std::wstring wide = Wide(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = wide.data();
    if (!::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) return FALSE;
    Observer().ToolTipAdded(*CDialog::FromWindow(dialog), ::GetDlgCtrlID(control), text);
    return TRUE;
}
