// The common controls: each call one message to the control.
#include "platform/CControls.h"

#include "platform/win32/Win32World.h"

#include <commctrl.h>

namespace {

// Wine's progress bar paints itself at every change, a dozen server round trips each, and the
// progress window changes its bars thousands of times a run: a bar's drawing is off from its
// first change until the window's next repaint (at screen rate), which shows the changes.
LRESULT SendUnpainted(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    if (World().unpainted.insert(bar).second) ::SendMessageW(bar, WM_SETREDRAW, FALSE, 0);
    return ::SendMessageW(bar, message, wParam, lParam);
}

}  // namespace

void CEdit::SetSel(int nStartChar, int nEndChar) { ::SendMessageW(m_hWnd, EM_SETSEL, nStartChar, nEndChar); }

void CEdit::SetLimitText(UINT nMax) { ::SendMessageW(m_hWnd, EM_SETLIMITTEXT, nMax, 0); }

UINT CEdit::GetLimitText() const { return static_cast<UINT>(::SendMessageW(m_hWnd, EM_GETLIMITTEXT, 0, 0)); }

int CButton::GetCheck() const { return static_cast<int>(::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0)); }

void CButton::SetCheck(int nCheck) { ::SendMessageW(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0); }

void CProgressCtrl::SetRange(short nLower, short nUpper) {
    SendUnpainted(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
    PBRANGE range{};
    ::SendMessageW(m_hWnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int CProgressCtrl::SetStep(int nStep) { return static_cast<int>(::SendMessageW(m_hWnd, PBM_SETSTEP, nStep, 0)); }

int CProgressCtrl::SetPos(int nPos) { return static_cast<int>(SendUnpainted(m_hWnd, PBM_SETPOS, nPos, 0)); }

int CProgressCtrl::GetPos() const { return static_cast<int>(::SendMessageW(m_hWnd, PBM_GETPOS, 0, 0)); }

int CProgressCtrl::StepIt() { return static_cast<int>(SendUnpainted(m_hWnd, PBM_STEPIT, 0, 0)); }
