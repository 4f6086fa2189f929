#include "app/LinkApp.h"

#include "aggregate/AmountOverflow.h"
#include "aggregate/RefundAggregation.h"
#include "aggregate/ReturnFigures.h"
#include "aggregate/TaxRateClass.h"
#include "app/DialogTexts.h"
#include "app/EnvironmentCheck.h"
#include "app/FilingGeneration.h"
#include "app/LaunchParameter.h"
#include "app/MonthLookup.h"
#include "app/ProgressDialog.h"
#include "app/TargetChecks.h"
#include "conditions/ConditionsDialog.h"
#include "conditions/MonthCondition.h"
#include "conditions/SettingsFile.h"
#include "core_api/ClAccConnect.h"
#include "core_api/ClMsgMgr.h"
#include "core_api/ClSetShohizei.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "report/ReportDocument.h"
#include "resources/MessageCaption.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kUseDataType = 3;
constexpr int kPastResultsKind = 99;
// The report and the return rule are built for the five rate classes, whatever the core counts.
constexpr int kReportedRates = TaxRateClasses::kCount;
constexpr std::int32_t kSixthCategoryStart = 20150401;

constexpr const char* kSixthCategoryMessage =
    "集計範囲に事業分類「第六種事業」の仕訳が存在します。\n「第六種事業」は、平成27年4月1日以降に開始する課税期間に"
    "適用される事業分類のため、処理できません。\n\n%s の以下の機能にて事業分類を見直してください。\n\n"
    "・各種帳簿機能(簡易振替伝票入力等)\n※入力済みの伝票は、各帳簿画面の置換機能にて一括で変換することができます。";
constexpr const char* kImportTaxMessage =
    "集計範囲の中に、輸入取引の本体分、国税分、地方税分が未確定の税区分(31,32,33,35,36,37)を使用している仕訳があり"
    "ます。\nこの仕訳の金額は、消費税申告書には集計されません。";
constexpr const char* kFinishedMessage = "消費税情報の出力が終了しました。\n\nアプリケーションを終了します。";
constexpr const char* kOverflowMessage =
    "集計中に金額が扱える範囲を超えたため、集計を完了できませんでした。\n\nアプリケーションを終了します。";

// The program's own folder: its path cut after the last backslash.
std::string ProgramFolder() {
    const std::string path = platform::GetModuleFileName();
    const std::size_t slash = MbcsText::FindLast(path, '\\');
    return slash == MbcsText::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

LinkApp::LinkApp(const ProgramIdentity& identity) : identity_(identity) {}

LinkApp::~LinkApp() = default;

BOOL LinkApp::InitInstance() {
    bool finished = false;
    try {
        finished = Connect() && CheckEnvironmentAndLink() && AskConditions() &&
                   (chosen_.method == AggregationMethod::SavedReturn ? RunSavedReturnMethod() : RunJournalMethod());
        if (finished) Finish();
    } catch (const AmountOverflow&) {
        // Nothing in the aggregation catches an overflow: the run ends here as a failure.
        HWND owner = progress_ ? progress_->GetSafeHwnd() : nullptr;
        platform::MessageBox(owner, kOverflowMessage, kMessageCaption, MB_OK | MB_ICONWARNING);
        state_.SetExit(RunExit::Failed);
    } catch (...) {
        // Whatever else leaves the run ends the process (the host world's own errors): the
        // rule objects and the progress window go now, while the core that made the rule
        // objects still exists, and not in the static teardown after it.
        EndRun();
        throw;
    }
    EndRun();
    return finished ? TRUE : FALSE;
}

// Connects to the accounting system, reads the launch parameter, moves to the program's folder.
bool LinkApp::Connect() {
    AfxEnableControlContainer();
    ClAccConnect* connection = ClAccConnect::Inst();
    connection->m_strTitle = kMessageCaption;
    connection->SetAppType(static_cast<ClSysEnvMgr::_AppType>(identity_.appType));
    connection->SetUseDataType(kUseDataType);
    if (connection->Initiate() != 0) return false;
    ReadLaunchParameter();
    platform::SetCurrentDirectory(ProgramFolder());
    return true;
}

void LinkApp::ReadLaunchParameter() {
    if (!ParseLaunchParameter(m_lpCmdLine, state_)) return;
    state_.launchedByParent = true;
    state_.parentWindowObject = CWnd::FromHandle(state_.parentWindow);  // never null: the window is not 0
    state_.parentWindowObject->EnableWindow(FALSE);
    ClAccConnect::Inst()->m_hWnd = state_.parentWindow;
}

// The filing application's generation, then the accounting system's link.
bool LinkApp::CheckEnvironmentAndLink() {
    if (!CheckEnvironment(state_.parentWindow)) {
        state_.SetExit(RunExit::Failed);
        return false;
    }
    const std::int32_t link = ClAccConnect::Inst()->ExpSysLink();
    if (link == 1) state_.SetExit(RunExit::Cancelled);
    if (link != 0 && link != 1) state_.SetExit(RunExit::Failed);
    return link == 0;
}

// The selected data set with its tax settings, and the saved return that matches them.
void LinkApp::SelectDataSet() {
    selected_ = ReadSelectedData();
    figures_.savedReturn = std::make_unique<SavedReturnArea>();
    savedReturnUsable_ = LoadAndMatchSavedReturn(selected_, *figures_.savedReturn);
}

// The data set, the conditions dialog and what it chose, the (hidden) progress window.
bool LinkApp::AskConditions() {
    SelectDataSet();
    ConditionsDialog conditions(state_.parentWindowObject);
    SetUpDialog(conditions);
    if (conditions.DoModal() == IDC_CANCEL) {
        state_.SetExit(RunExit::Cancelled);
        return false;
    }
    chosen_ = conditions.Chosen();
    OpenProgress();
    return true;
}

void LinkApp::SetUpDialog(ConditionsDialog& dialog) const {
    const StDATAINFO& dataSet = selected_.dataSet;
    dialog.m_settingsKey = selected_.selection;
    dialog.m_settingsFileName = identity_.settingsFileName;
    dialog.m_fixedOutputPath = state_.launchedByParent ? state_.fixedOutputPath : std::string();
    dialog.m_periodFirst = dataSet.periodFirst;
    dialog.m_periodLast = dataSet.periodLast;
    const StSaveTaxInfo& saved = figures_.savedReturn->info;
    MonthsOfDates(selected_.dataSets, saved.rangeFirst, saved.rangeLast, dialog.m_savedFirstMonth,
                  dialog.m_savedLastMonth);
    dialog.m_pastResults = dataSet.dataKind == kPastResultsKind;
    dialog.m_savedReturnAvailable = savedReturnUsable_;
    for (int number = 0; number < kDialogTextCount; ++number) dialog.m_texts[number] = DialogText(selected_, number);
    dialog.m_taxMethod = selected_.Method();
}

// The progress window stays hidden until the aggregation; it owns the later messages. The
// aggregation context shows its activity there.
void LinkApp::OpenProgress() {
    progress_ = std::make_unique<ProgressDialog>();
    progress_->Create();
    aggregation_ = std::make_unique<AggregationContext>(*progress_);
}

// The saved-return method: the report from the return saved in the accounting product.
bool LinkApp::RunSavedReturnMethod() {
    ReportFigures figures;
    figures.savedReturn = &figures_.savedReturn->info;
    figures.taxMethod = selected_.Method();
    figures.roundingMode = selected_.RoundingMode();
    const ReportRequest request{progress_->GetSafeHwnd(), chosen_.outputPath, state_.functionId,
                                identity_.productName};
    if (WriteSavedReturnReport(request, figures, selected_.dataSet)) return true;
    state_.SetExit(RunExit::Failed);
    figures_.savedReturn.reset();
    return false;
}

// The journal method: checks, aggregation, report.
bool LinkApp::RunJournalMethod() {
    if (!AllocateFigures()) return false;
    AggregationContext& context = *aggregation_;
    const StDATAINFO& dataSet = selected_.dataSet;
    context.taxMethod = selected_.Method();
    context.mainBusinessCategory = selected_.MainBusinessCategory();
    BuildMonthCondition(context.monthCondition, GetFiscalYear(dataSet.periodFirst, dataSet.periodLast),
                        chosen_.firstMonth, chosen_.lastMonth, dataSet.interimSetting);
    const std::int32_t firstDay = DaysOfMonth(selected_.dataSets, chosen_.firstMonth).first;
    if (!CheckRange(firstDay)) return false;
    Aggregate(firstDay);
    return WriteJournalReport();
}

// The figure arrays, sized by the data set's rate count; a data set without a settings
// object cannot be aggregated.
bool LinkApp::AllocateFigures() {
    if (selected_.taxSettingsObject == nullptr) {
        state_.SetExit(RunExit::Failed);
        return false;
    }
    const int counted = static_cast<std::int16_t>(selected_.taxSettingsObject->GetTaxRateCount());
    const int rates = std::max(counted, kReportedRates);
    figures_.rates.assign(rates, StTAXREPORTRATEINFO{});
    figures_.businessTypes.assign(rates * kBusinessTypesPerRate, StTAXREPORTBUSINESSTYPEINFO{});
    return true;
}

// The sixth business category refuses the run; undetermined import tax only informs.
bool LinkApp::CheckRange(std::int32_t firstDay) {
    AggregationContext& context = *aggregation_;
    std::int32_t sixthCount = 0;
    const std::int32_t status = CountSixthBusinessCategory(context, sixthCount);
    if (ClMsgMgr::Inst()->CheckFatalErrorWithMsg(status, -1, 1, nullptr) != 0) {
        state_.SetExit(RunExit::Failed);
        return false;
    }
    const TaxMethod method = selected_.Method();
    if (method == TaxMethod::Simplified && sixthCount > 0 && firstDay < kSixthCategoryStart) {
        char message[1024] = {};
        std::snprintf(message, sizeof message, kSixthCategoryMessage, identity_.productName);
        progress_->MessageBox(message, kMessageCaption, MB_OK | MB_ICONWARNING);
        state_.SetExit(RunExit::Cancelled);
        return false;
    }
    if (method >= TaxMethod::General && HasUndeterminedImportTax(context)) {
        progress_->MessageBox(kImportTaxMessage, kMessageCaption, MB_OK | MB_ICONINFORMATION);
    }
    return true;
}

// The aggregation, with the progress window through its three phases.
void LinkApp::Aggregate(std::int32_t firstDay) {
    ProgressDialog& progress = *progress_;
    progress.ShowWindow(SW_SHOW);
    const CWaitCursor wait;  // restored when the aggregation ends, also by an overflow
    progress.Start();
    progress.Advance(0, 250);
    const std::int32_t lastDay = DaysOfMonth(selected_.dataSets, chosen_.lastMonth).last;
    const FilingGeneration generation = ChooseFilingGeneration(firstDay, lastDay, selected_.Method());
    AggregationContext& context = *aggregation_;
    ReturnFigures(context, figures_.rates, figures_.businessTypes, generation.substituteRate);
    progress.Advance(250, 750);
    AggregateCorporateRefund(context, figures_.totals, selected_.dataSet, selected_.taxSettings);
    AggregateIndividualRefund(context, figures_.totals, selected_.dataSet, selected_.taxSettings);
    progress.Advance(750, 1000);
    progress.Close();
}

// The journal method's report.
bool LinkApp::WriteJournalReport() {
    ReportFigures figures;
    figures.rates = figures_.rates;
    figures.businessTypes = figures_.businessTypes;
    figures.totals = &figures_.totals;
    figures.taxMethod = selected_.Method();
    figures.roundingMode = selected_.RoundingMode();
    const ReportRequest request{progress_->GetSafeHwnd(), chosen_.outputPath, state_.functionId,
                                identity_.productName};
    if (::WriteJournalReport(request, figures, selected_.dataSet, selected_.taxSettings)) return true;
    state_.SetExit(RunExit::Failed);
    return false;
}

// A finished run: remember the conditions, free the figures, the closing message. A failed
// write of the settings shows nothing: the report is in place all the same.
void LinkApp::Finish() {
    SettingsFile::OfProgram(identity_.settingsFileName)
        .Write(selected_.selection, chosen_.ToRemember(state_.launchedByParent));
    figures_.rates = {};
    figures_.businessTypes = {};
    figures_.savedReturn.reset();
    progress_->MessageBox(kFinishedMessage, kMessageCaption, MB_OK | MB_ICONINFORMATION);
}

// Ending the run, by any way: the rule objects go first, in the reverse order of their
// creation, then the progress window; both before the core is left in ExitInstance.
void LinkApp::EndRun() {
    if (aggregation_) aggregation_->Release();
    if (progress_) progress_->Destroy();
    aggregation_.reset();
    progress_.reset();
}

int LinkApp::ExitInstance() {
    ShutDown();
    CWinApp::ExitInstance();
    return state_.exitCode;
}

void LinkApp::ShutDown() {
    ClAccConnect* connection = ClAccConnect::Inst();
    connection->LogOut();
    connection->Terminate();
    connection->Release();
    if (!state_.launchedByParent) return;
    CWnd* parent = state_.parentWindowObject;
    parent->SetForegroundWindow();
    parent->EnableWindow(TRUE);
    const WPARAM functionId = static_cast<WPARAM>(static_cast<std::intptr_t>(state_.functionId));
    platform::PostMessage(state_.parentWindow, static_cast<UINT>(state_.notifyMessage), functionId,
                          static_cast<LPARAM>(state_.exitCode));
    parent->EnableWindow(TRUE);
}
