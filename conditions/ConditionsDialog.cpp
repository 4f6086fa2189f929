#include "conditions/ConditionsDialog.h"

#include "conditions/DestinationCheck.h"
#include "conditions/MonthCheck.h"
#include "conditions/PathLimits.h"
#include "conditions/PathOperations.h"
#include "core_api/ClFileMgr.h"
#include "platform/CDataExchange.h"
#include "platform/CFileDialog.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "resources/DialogResources.h"
#include "resources/MessageCaption.h"
#include "resources/ResourceIds.h"

#include <cstdlib>
#include <iterator>

namespace {

constexpr int kMonthChars = 2;
// The static texts, in the order of m_texts.
constexpr int kTextIds[] = {IDC_COMPANY, IDC_PERIOD, IDC_TAXMETHOD, IDC_CAPTION_FOURTH, IDC_FOURTH};
constexpr int kOutputFolderType = 0;
constexpr const char* kPastResultsRefusal = "過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。";
constexpr const char* kExemptRefusal =
    "消費税申告区分が免税のデータは、連携の対象として使用できません。\n\nアプリケーションを終了します。";
constexpr const char* kMonthsMessage = "集計期間に誤りがあります。\n\n集計期間を設定しなおしてください。";
constexpr const char* kCancelMessage = "｢消費税｣の集計を中止します。";
constexpr const char* kFixedOutputCaption = "出力先";
constexpr const char* kAnyXmlFile = "*.xml";

constexpr const char* kBrowseTitle = "保存ファイルを指定";
constexpr const char* kBrowseExtension = "XML";
constexpr const char* kBrowseFilter = "Xml Files (*.xml)|*.xml||";
constexpr DWORD kBrowseOptions = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

constexpr StTOOLTIPINFO kToolTips[] = {
    {IDC_SAVED_INFO,
     "連動元製品にて入力・保存した消費税申告書の情報を使用します。\n"
     "仕訳から集計できない以下の金額を連動元製品にて入力済みの場合、\n"
     "こちらを選択することで連動できます。\n\n"
     "・特定課税仕入れ\n"
     "・納税義務の免除を受けない(受ける)こととなった場合における消費税の調整額\n"
     "・課税売上割合変動時調整対象固定資産に係る消費税額の調整額\n"
     "・調整対象固定資産を課税業務用に転用した場合の調整額\n\n"
     "※選択データにて[消費税申告書作成]を起動したことがない場合は選択できません。",
     1},
};

struct BrowseStart {
    std::string folder;
    std::string fileName;
};

// At the last backslash; a path without one at its last colon ("C:name").
BrowseStart SplitForBrowse(const std::string& path) {
    if (!FolderPart(path).empty()) return {FolderPart(path), FileNamePart(path)};
    const std::size_t colon = MbcsText::FindLast(path, ':');
    if (colon == MbcsText::npos) return {std::string(), path};
    return {path.substr(0, colon + 1), path.substr(colon + 1)};
}

// A month edit holds at most two characters.
void DDX_MonthText(CDataExchange* pDX, int id, std::string& text) {
    DDX_Text(pDX, id, text);
    DDV_MaxChars(pDX, text, kMonthChars);
}

bool ModifierHeld() {
    return platform::GetKeyState(VK_SHIFT) < 0 || platform::GetKeyState(VK_CONTROL) < 0 ||
           platform::GetKeyState(VK_MENU) < 0;
}

}  // namespace

ConditionsDialog::ConditionsDialog(CWnd* pParentWnd) : CDialog(kConditionsDialogResource, pParentWnd) {}

void ConditionsDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_START_MONTH, m_startMonthEdit);
    DDX_Control(pDX, IDC_START_MONTH_LABEL, m_startMonthLabel);
    DDX_Control(pDX, IDC_END_MONTH, m_endMonthEdit);
    DDX_Control(pDX, IDC_END_MONTH_LABEL, m_endMonthLabel);
    DDX_Control(pDX, IDC_OUTPUT_GROUP, m_outputGroup);
    DDX_Control(pDX, IDC_OUTPUT_PATH, m_outputPathEdit);
    DDX_Control(pDX, IDC_BROWSE, m_browseButton);
    DDX_Control(pDX, IDC_EXECUTE, m_executeButton);
    for (std::size_t text = 0; text < m_texts.size(); ++text) DDX_Text(pDX, kTextIds[text], m_texts[text]);
    DDX_MonthText(pDX, IDC_START_MONTH, m_startMonthText);
    DDX_MonthText(pDX, IDC_END_MONTH, m_endMonthText);
    DDX_Text(pDX, IDC_OUTPUT_PATH, m_outputPath);
    DDX_Radio(pDX, IDC_METHOD_JOURNAL, m_methodChoice);
}

BOOL ConditionsDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    // A refused data set still runs the rest of the set-up; the dialog then closes at once.
    if (RefuseDataSet()) EndDialog(IDC_CANCEL);
    m_outputPathEdit.SetLimitText(kOutputPathChars);
    fiscalYear_ = GetFiscalYear(m_periodFirst, m_periodLast);
    TakeRememberedConditions();
    if (!m_savedReturnAvailable) {
        m_methodChoice = 0;
        GetDlgItem(IDC_METHOD_JOURNAL)->EnableWindow(FALSE);
        GetDlgItem(IDC_METHOD_SAVED)->EnableWindow(FALSE);
    }
    SetUpOutputPath();
    const bool focused = SetUpMethod();
    if (m_taxMethod == TaxMethod::General) RegisterToolTip();
    UpdateData(FALSE);
    return focused ? FALSE : TRUE;
}

// Exempt data (no fourth row) and past results cannot be linked: the refusal is shown here.
bool ConditionsDialog::RefuseDataSet() {
    const bool exempt = m_texts[3].empty() && m_texts[4].empty();
    if (!exempt && !m_pastResults) return false;
    const char* refusal = m_pastResults ? kPastResultsRefusal : kExemptRefusal;
    MessageBox(refusal, kMessageCaption, MB_OK | MB_ICONWARNING);
    return true;
}

void ConditionsDialog::TakeRememberedConditions() {
    journalFirstMonth_ = fiscalYear_.firstMonth;
    journalLastMonth_ = fiscalYear_.LastCalendarMonth();
    m_methodChoice = 0;
    const std::optional<RememberedConditions> remembered = SettingsFile::OfProgram(m_settingsFileName).Read(m_settingsKey);
    if (!remembered) return;
    rememberedPath_ = MbcsText::CutAt(remembered->outputPath, kPathBytes);
    // A remembered saved-return run offers the fiscal year again for the journal method.
    const bool savedReturn = remembered->method == 1;
    if (!savedReturn) {
        journalFirstMonth_ = remembered->startMonth;
        journalLastMonth_ = remembered->endMonth;
    }
    m_methodChoice = savedReturn ? 1 : 0;
}

std::string ConditionsDialog::DefaultOutputPath() const {
    std::string folder = ClFileMgr::Inst()->GetAppFolderPath(kOutputFolderType);
    if (folder.empty()) {
        folder = platform::GetTempPath();
        EnsureTrailingBackslash(folder, kPathBytes + 1);  // a text too long stays as it is
    }
    return folder + kAnyXmlFile;
}

void ConditionsDialog::SetUpOutputPath() {
    // A remembered path longer than the edit holds would be cut to another file name: the
    // default path is offered instead.
    const bool offerRemembered = !rememberedPath_.empty() && rememberedPath_.size() <= kOutputPathChars;
    const std::string defaultPath = offerRemembered ? std::string() : DefaultOutputPath();
    fixedPath_ = !m_fixedOutputPath.empty();
    if (!fixedPath_) {
        m_outputPath = offerRemembered ? rememberedPath_ : defaultPath;
        return;
    }
    m_outputPath = m_fixedOutputPath;
    m_browseButton.EnableWindow(FALSE);
    m_outputPathEdit.EnableWindow(FALSE);
    m_outputGroup.SetWindowText(kFixedOutputCaption);
}

// Answers whether a radio button took the focus.
bool ConditionsDialog::SetUpMethod() {
    const bool savedReturn = m_methodChoice == 1;
    ShowMethodMonths(savedReturn ? AggregationMethod::SavedReturn : AggregationMethod::JournalAggregation);
    const int radio = savedReturn ? IDC_METHOD_SAVED : IDC_METHOD_JOURNAL;
    CheckRadioButton(IDC_METHOD_JOURNAL, IDC_METHOD_SAVED, radio);
    CWnd* chosen = GetDlgItem(radio);
    if (!chosen->IsWindowEnabled()) return false;
    chosen->SetFocus();
    return true;
}

// The months of the method; only the journal method's can be edited.
void ConditionsDialog::ShowMethodMonths(AggregationMethod method) {
    const bool journal = method == AggregationMethod::JournalAggregation;
    if (journal) {
        ShowMonths(journalFirstMonth_, journalLastMonth_);
    } else {
        ShowMonths(m_savedFirstMonth, m_savedLastMonth);
    }
    m_startMonthEdit.EnableWindow(journal);
    m_endMonthEdit.EnableWindow(journal);
}

void ConditionsDialog::RegisterToolTip() {
    m_toolTips.Init(this, kToolTips, static_cast<int>(std::size(kToolTips)));
}

BOOL ConditionsDialog::OnCommand(UINT id) {
    switch (id) {
        case IDC_METHOD_JOURNAL: OnMethodClicked(AggregationMethod::JournalAggregation); return TRUE;
        case IDC_METHOD_SAVED: OnMethodClicked(AggregationMethod::SavedReturn); return TRUE;
        case IDC_EXECUTE: OnExecute(); return TRUE;
        case IDC_BROWSE: OnBrowse(); return TRUE;
        case IDC_CANCEL: OnCancel(); return TRUE;
        default: return CDialog::OnCommand(id);
    }
}

BOOL ConditionsDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && !ModifierHeld()) {
        if (pMsg->wParam == VK_F12) {
            OnExecute();
            return TRUE;
        }
        if (pMsg->wParam == VK_RETURN) return OnReturnKey();
    }
    return CDialog::PreTranslateMessage(pMsg);
}

// Enter walks start month, end month, path, Browse and Execute. Elsewhere it is swallowed,
// except on Cancel: without a default button the system would otherwise end the dialog with
// IDOK, which the run takes for Execute without any check.
BOOL ConditionsDialog::OnReturnKey() {
    const CWnd* focus = GetFocusWnd();
    const HWND focused = focus ? focus->GetSafeHwnd() : nullptr;
    if (!focused) return TRUE;
    if (focused == m_startMonthEdit.GetSafeHwnd()) {
        FocusWholeText(m_endMonthEdit);
    } else if (focused == m_endMonthEdit.GetSafeHwnd()) {
        if (m_browseButton.IsWindowEnabled()) {
            FocusWholeText(m_outputPathEdit);
        } else {
            m_executeButton.SetFocus();
        }
    } else if (focused == m_outputPathEdit.GetSafeHwnd()) {
        (m_browseButton.IsWindowEnabled() ? static_cast<CWnd&>(m_browseButton) : m_executeButton).SetFocus();
    } else if (focused == m_browseButton.GetSafeHwnd()) {
        OnBrowse();
    } else if (focused == m_executeButton.GetSafeHwnd()) {
        OnExecute();
    } else if (focus->GetDlgCtrlID() == IDC_CANCEL) {
        return FALSE;  // the platform clicks the focused Cancel button
    }
    return TRUE;
}

void ConditionsDialog::ShowMonths(int first, int last) {
    m_startMonthText = std::to_string(first);
    m_endMonthText = std::to_string(last);
}

void ConditionsDialog::FocusWholeText(CEdit& edit) {
    edit.SetFocus();
    edit.SetSel(0, -1);
}

// Months typed under the other method are not kept: the method's own months come back.
void ConditionsDialog::OnMethodClicked(AggregationMethod method) {
    UpdateData(TRUE);
    if (m_methodChoice != static_cast<int>(method)) return;
    ShowMethodMonths(method);
    UpdateData(FALSE);
}

void ConditionsDialog::OnExecute() {
    if (!UpdateData(TRUE)) return;
    if (!CheckMonthTexts()) return;
    if (!CheckDestination(*this, m_outputPathEdit, m_outputPath, fixedPath_)) return;
    EndDialog(IDC_EXECUTE);
}

bool ConditionsDialog::CheckMonthTexts() {
    const MonthCheckResult result =
        CheckMonths(fiscalYear_, std::atoi(m_startMonthText.c_str()), std::atoi(m_endMonthText.c_str()));
    if (result.Accepted()) return true;
    MessageBox(kMonthsMessage, kMessageCaption, MB_OK | MB_ICONWARNING);
    FocusWholeText(result.focus == MonthField::Start ? m_startMonthEdit : m_endMonthEdit);
    return false;
}

void ConditionsDialog::OnBrowse() {
    if (!UpdateData(TRUE)) return;
    const BrowseStart start = SplitForBrowse(m_outputPath);
    CFileDialog dialog(FALSE, kBrowseExtension, start.fileName.c_str(), kBrowseOptions, kBrowseFilter, this);
    dialog.m_ofn.lpstrTitle = kBrowseTitle;
    dialog.m_ofn.lpstrInitialDir = start.folder.c_str();
    if (dialog.DoModal() == IDOK) {
        m_outputPath = dialog.GetPathName();
        m_outputPathEdit.SetWindowText(m_outputPath);
    }
    m_executeButton.SetFocus();
}

// Only Execute ends the dialog with its checks; the framework's OK never does.
void ConditionsDialog::OnOK() {}

void ConditionsDialog::OnCancel() {
    MessageBox(kCancelMessage, kMessageCaption, MB_OK | MB_ICONINFORMATION);
    EndDialog(IDC_CANCEL);
}

ChosenConditions ConditionsDialog::Chosen() const {
    ChosenConditions chosen;
    chosen.method = m_methodChoice == 1 ? AggregationMethod::SavedReturn : AggregationMethod::JournalAggregation;
    chosen.firstMonth = std::atoi(m_startMonthText.c_str());
    chosen.lastMonth = std::atoi(m_endMonthText.c_str());
    chosen.outputPath = MbcsText::CutAt(m_outputPath, kOutputPathChars);
    chosen.rememberedPath = rememberedPath_;
    return chosen;
}
