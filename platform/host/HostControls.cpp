// The common controls over the simulated windows.
#include "platform/CControls.h"
#include "platform/host/HostWorld.h"

#include <algorithm>
#include <utility>

namespace {

HostControl* Find(HWND hwnd, ControlKind kind) {
    HostControl* control = World().windows.Control(hwnd);
    return control && control->kind == kind ? control : nullptr;
}

HostControl* FindButton(HWND hwnd) {
    HostControl* control = World().windows.Control(hwnd);
    return control && control->IsButton() ? control : nullptr;
}

}  // namespace

void CEdit::SetSel(int nStartChar, int nEndChar) {
    if (HostControl* edit = Find(m_hWnd, ControlKind::Edit))
        edit->wholeSelected = nStartChar == 0 && (nEndChar < 0 || nEndChar >= static_cast<int>(edit->text.size()));
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    const HostControl* edit = Find(m_hWnd, ControlKind::Edit);
    const int length = edit ? static_cast<int>(edit->text.size()) : 0;
    nStartChar = edit && edit->wholeSelected ? 0 : length;
    nEndChar = length;
}

void CEdit::SetLimitText(UINT nMax) {
    if (HostControl* edit = Find(m_hWnd, ControlKind::Edit)) edit->limit = nMax == 0 ? 0x7FFFFFFE : nMax;
}

UINT CEdit::GetLimitText() const {
    const HostControl* edit = Find(m_hWnd, ControlKind::Edit);
    return edit ? edit->limit : 0;
}

int CButton::GetCheck() const {
    const HostControl* button = FindButton(m_hWnd);
    return button && button->checked ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck) {
    if (HostControl* button = FindButton(m_hWnd)) button->checked = nCheck == BST_CHECKED;
}

void CProgressCtrl::SetRange(short nLower, short nUpper) {
    if (HostControl* bar = Find(m_hWnd, ControlKind::ProgressBar)) {
        bar->lower = nLower;
        bar->upper = nUpper;
        bar->pos = std::clamp(bar->pos, std::min(bar->lower, bar->upper), std::max(bar->lower, bar->upper));
    }
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
    const HostControl* bar = Find(m_hWnd, ControlKind::ProgressBar);
    nLower = bar ? bar->lower : 0;
    nUpper = bar ? bar->upper : 0;
}

int CProgressCtrl::SetStep(int nStep) {
    HostControl* bar = Find(m_hWnd, ControlKind::ProgressBar);
    if (!bar) return 0;
    return std::exchange(bar->step, nStep);
}

int CProgressCtrl::SetPos(int nPos) {
    HostControl* bar = Find(m_hWnd, ControlKind::ProgressBar);
    if (!bar) return 0;
    return std::exchange(bar->pos, std::clamp(nPos, std::min(bar->lower, bar->upper), std::max(bar->lower, bar->upper)));
}

int CProgressCtrl::GetPos() const {
    const HostControl* bar = Find(m_hWnd, ControlKind::ProgressBar);
    return bar ? bar->pos : 0;
}

int CProgressCtrl::StepIt() {
    HostControl* bar = Find(m_hWnd, ControlKind::ProgressBar);
    if (!bar) return 0;
    const int previous = bar->pos;
    const int span = bar->upper - bar->lower;
    if (span <= 0) return previous;
    // Past an end the bar starts over from the other one, keeping the overshoot, as the
    // common control does.
    bar->pos += bar->step;
    if (bar->pos > bar->upper) bar->pos = (bar->pos - bar->lower) % span + bar->lower;
    if (bar->pos < bar->lower) bar->pos = (bar->pos - bar->lower) % span + bar->upper;
    return previous;
}
