#include "conditions/ConditionsDialog.h"

#include "core_api/ClFileMgr.h"
#include "platform/CDataExchange.h"
#include "platform/SystemServices.h"
#include "resources/DialogResources.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kMonthChars = 2;
constexpr int kPathChars = 255;
constexpr const char* kCaption = "消費税";

}  // namespace

ConditionsDialog::ConditionsDialog(CWnd* pParentWnd) : CDialog(kConditionsDialogResource, pParentWnd) {}

void ConditionsDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_START_MONTH, m_startMonthEdit);
    DDX_Control(pDX, IDC_END_MONTH, m_endMonthEdit);
    DDX_Control(pDX, IDC_OUTPUT_GROUP, m_outputGroup);
    DDX_Control(pDX, IDC_OUTPUT_PATH, m_outputPathEdit);
    DDX_Control(pDX, IDC_BROWSE, m_browseButton);
    DDX_Control(pDX, IDC_EXECUTE, m_executeButton);
    DDX_Text(pDX, IDC_COMPANY, m_texts[0]);
    DDX_Text(pDX, IDC_PERIOD, m_texts[1]);
    DDX_Text(pDX, IDC_TAXMETHOD, m_texts[2]);
    DDX_Text(pDX, IDC_CAPTION_FOURTH, m_texts[3]);
    DDX_Text(pDX, IDC_FOURTH, m_texts[4]);
    DDX_Text(pDX, IDC_START_MONTH, m_startMonthText);
    DDV_MaxChars(pDX, m_startMonthText, kMonthChars);
    DDX_Text(pDX, IDC_END_MONTH, m_endMonthText);
    DDV_MaxChars(pDX, m_endMonthText, kMonthChars);
    DDX_Text(pDX, IDC_OUTPUT_PATH, m_outputPath);
    DDX_Radio(pDX, IDC_METHOD_JOURNAL, m_methodChoice);
}

BOOL ConditionsDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_outputPathEdit.SetLimitText(kPathChars);
    fiscalYear_ = GetFiscalYear(m_periodFirst, m_periodLast);
    journalFirstMonth_ = fiscalYear_.firstMonth;
    journalLastMonth_ = fiscalYear_.LastCalendarMonth();
    m_methodChoice = 0;
    if (!m_savedReturnAvailable) {
        GetDlgItem(IDC_METHOD_JOURNAL)->EnableWindow(FALSE);
        GetDlgItem(IDC_METHOD_SAVED)->EnableWindow(FALSE);
    }
    fixedPath_ = !m_fixedOutputPath.empty();
    if (fixedPath_) {
        m_outputPath = m_fixedOutputPath;
        m_browseButton.EnableWindow(FALSE);
        m_outputPathEdit.EnableWindow(FALSE);
        m_outputGroup.SetWindowText("出力先");
    } else {
        m_outputPath = ClFileMgr::Inst()->GetAppFolderPath(0) + "*.xml";
    }
    ShowMonths(journalFirstMonth_, journalLastMonth_);
    UpdateData(FALSE);
    return TRUE;
}

BOOL ConditionsDialog::OnCommand(UINT id) {
    switch (id) {
    case IDC_METHOD_JOURNAL:
        OnJournalMethod();
        return TRUE;
    case IDC_METHOD_SAVED:
        OnSavedMethod();
        return TRUE;
    case IDC_EXECUTE:
        OnExecute();
        return TRUE;
    case IDC_CANCEL:
        OnCancel();
        return TRUE;
    default:
        return CDialog::OnCommand(id);
    }
}

void ConditionsDialog::ShowMonths(int first, int last) {
    m_startMonthText = std::to_string(first);
    m_endMonthText = std::to_string(last);
}

void ConditionsDialog::OnJournalMethod() {
    UpdateData(TRUE);
    m_methodChoice = 0;
    ShowMonths(journalFirstMonth_, journalLastMonth_);
    m_startMonthEdit.EnableWindow(TRUE);
    m_endMonthEdit.EnableWindow(TRUE);
    UpdateData(FALSE);
}

void ConditionsDialog::OnSavedMethod() {
    UpdateData(TRUE);
    m_methodChoice = 1;
    ShowMonths(m_savedFirstMonth, m_savedLastMonth);
    m_startMonthEdit.EnableWindow(FALSE);
    m_endMonthEdit.EnableWindow(FALSE);
    UpdateData(FALSE);
}

void ConditionsDialog::OnExecute() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDC_EXECUTE);
}

void ConditionsDialog::OnCancel() {
    MessageBox("｢消費税｣の集計を中止します。", kCaption, MB_OK | MB_ICONINFORMATION);
    EndDialog(IDC_CANCEL);
}

int ConditionsDialog::StoreSettings(int /*firstMonth*/, int /*lastMonth*/, const std::string* /*outputPath*/,
                                    AggregationMethod /*method*/) {
    // Until the settings file is kept, nothing is remembered.
    return 1;
}
