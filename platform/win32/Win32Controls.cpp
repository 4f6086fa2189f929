// The common controls: each call one message to the control.
#include "platform/CControls.h"
#include "platform/win32/WideText.h"

#include <commctrl.h>

void CEdit::SetSel(int nStartChar, int nEndChar) { ::SendMessageW(m_hWnd, EM_SETSEL, nStartChar, nEndChar); }

// The edit counts in characters of its wide text; the program in bytes of its CP932 text.
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD start = 0, end = 0;
    ::SendMessageW(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = WindowTextOf(m_hWnd);
    const auto bytes = [&](DWORD characters) {
        return static_cast<int>(Narrow(std::wstring_view(text).substr(0, characters)).size());
    };
    nStartChar = bytes(start);
    nEndChar = bytes(end);
}

void CEdit::SetLimitText(UINT nMax) { ::SendMessageW(m_hWnd, EM_SETLIMITTEXT, nMax, 0); }

UINT CEdit::GetLimitText() const { return static_cast<UINT>(::SendMessageW(m_hWnd, EM_GETLIMITTEXT, 0, 0)); }

int CButton::GetCheck() const { return static_cast<int>(::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0)); }

void CButton::SetCheck(int nCheck) { ::SendMessageW(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0); }

void CProgressCtrl::SetRange(short nLower, short nUpper) {
    ::SendMessageW(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
    PBRANGE range{};
    ::SendMessageW(m_hWnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int CProgressCtrl::SetStep(int nStep) { return static_cast<int>(::SendMessageW(m_hWnd, PBM_SETSTEP, nStep, 0)); }

int CProgressCtrl::SetPos(int nPos) { return static_cast<int>(::SendMessageW(m_hWnd, PBM_SETPOS, nPos, 0)); }

int CProgressCtrl::GetPos() const { return static_cast<int>(::SendMessageW(m_hWnd, PBM_GETPOS, 0, 0)); }

int CProgressCtrl::StepIt() { return static_cast<int>(::SendMessageW(m_hWnd, PBM_STEPIT, 0, 0)); }
