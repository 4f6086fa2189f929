#include "platform/CDataExchange.h"

#include "platform/CControls.h"
#include "platform/CDialog.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "platform/WorldError.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

CWnd& Control(CDataExchange* pDX, int nIDC) {
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (!control) throw WorldError("data exchange with control " + std::to_string(nIDC) + ", which the dialog lacks");
    return *control;
}

// A short-lived wrapper of another type over the same window, as MFC's temporary objects.
template <class Wrapper>
struct Borrowed : Wrapper {
    explicit Borrowed(HWND hWnd) { this->m_hWnd = hWnd; }
};

// MFC's own prompts name the program in the caption.
std::string ProgramTitle() {
    const std::string path = platform::GetModuleFileName();
    const std::size_t slash = MbcsText::FindLast(path, '\\');
    std::string name = slash == MbcsText::npos ? path : path.substr(slash + 1);
    const std::size_t dot = MbcsText::FindLast(name, '.');
    return dot == MbcsText::npos ? name : name.substr(0, dot);
}

void Prompt(CDataExchange* pDX, const std::string& text) {
    pDX->m_pDlgWnd->MessageBox(text.c_str(), ProgramTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

// As MFC's scanf check: blanks, an optional sign, digits, blanks, and nothing else.
bool ParseInt(const std::string& text, int& value) {
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t') ++begin;
    if (*begin == '\0') return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || parsed < INT32_MIN || parsed > INT32_MAX) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return false;
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

void CDataExchange::Fail() {
    if (CWnd* control = m_idLastControl ? m_pDlgWnd->GetDlgItem(m_idLastControl) : nullptr) {
        control->SetFocus();
        if (m_bEditLastControl) Borrowed<CEdit>(control->GetSafeHwnd()).SetSel(0, -1);
    }
    throw DataExchangeFailure{};
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.GetSafeHwnd()) return;
    if (!rControl.SubclassDlgItem(nIDC, pDX->m_pDlgWnd))
        throw WorldError("DDX_Control: the dialog has no control " + std::to_string(nIDC));
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    CWnd& control = Control(pDX, nIDC);
    pDX->m_idLastControl = nIDC;
    pDX->m_bEditLastControl = true;
    if (pDX->m_bSaveAndValidate) {
        value = control.GetWindowText();
    } else if (control.GetWindowText() != value) {  // as MFC: an unchanged text keeps its selection
        control.SetWindowText(value);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    CWnd& control = Control(pDX, nIDC);
    pDX->m_idLastControl = nIDC;
    pDX->m_bEditLastControl = true;
    if (!pDX->m_bSaveAndValidate) {
        const std::string text = std::to_string(value);
        if (control.GetWindowText() != text) control.SetWindowText(text);
        return;
    }
    if (!ParseInt(control.GetWindowText(), value)) {
        Prompt(pDX, "整数を入力してください。");
        pDX->Fail();
    }
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars) {
    if (!pDX->m_bSaveAndValidate) {
        if (CWnd* control = pDX->m_idLastControl ? pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl) : nullptr)
            Borrowed<CEdit>(control->GetSafeHwnd()).SetLimitText(static_cast<UINT>(std::max(nChars, 0)));
        return;
    }
    if (value.size() > static_cast<std::size_t>(std::max(nChars, 0))) {
        Prompt(pDX, std::to_string(nChars) + " 文字以内で入力してください。");
        pDX->Fail();
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    Control(pDX, nIDC);
    pDX->m_idLastControl = nIDC;
    pDX->m_bEditLastControl = false;
    const auto* dialog = dynamic_cast<const CDialog*>(pDX->m_pDlgWnd);
    if (!dialog) throw WorldError("DDX_Radio needs a dialog");
    const auto controls = dialog->Resource().controls;
    const auto first = std::find_if(controls.begin(), controls.end(), [&](const auto& c) { return c.id == nIDC; });

    if (pDX->m_bSaveAndValidate) value = -1;
    int index = 0;
    for (auto it = first; it != controls.end(); ++it) {
        if (it != first && (it->style & WS_GROUP)) break;
        if (it->kind != ControlKind::RadioButton) continue;
        Borrowed<CButton> button(Control(pDX, it->id).GetSafeHwnd());
        if (pDX->m_bSaveAndValidate) {
            if (button.GetCheck() == BST_CHECKED && value == -1) value = index;
        } else {
            button.SetCheck(index == value ? BST_CHECKED : BST_UNCHECKED);
        }
        ++index;
    }
}
