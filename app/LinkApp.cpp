#include "app/LinkApp.h"

#include "aggregate/AmountOverflow.h"
#include "aggregate/RefundAggregation.h"
#include "aggregate/ReturnFigures.h"
#include "app/DialogTexts.h"
#include "app/EnvironmentCheck.h"
#include "app/FilingGeneration.h"
#include "app/LaunchParameter.h"
#include "app/MonthLookup.h"
#include "app/ProgressDialog.h"
#include "app/SavedReturnCheck.h"
#include "app/SelectedDataSet.h"
#include "app/TargetChecks.h"
#include "app/TaxSettings.h"
#include "conditions/ConditionsDialog.h"
#include "conditions/MonthCondition.h"
#include "conditions/PathLimits.h"
#include "core_api/ClAccConnect.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClMsgMgr.h"
#include "core_api/ClSetShohizei.h"
#include "core_api/SetObject.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "report/ReportDocument.h"
#include "resources/MessageCaption.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kUseDataType = 3;
constexpr int kPastResultsKind = 99;
constexpr int kBusinessTypesPerRate = 6;
// The report and the return rule are built for the five rate classes, whatever the core counts.
constexpr int kReportedRates = 5;
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
                   (method_ == static_cast<int>(AggregationMethod::SavedReturn) ? RunSavedReturnMethod()
                                                                               : RunJournalMethod());
        if (finished) Finish();
    } catch (const AmountOverflow&) {
        // Nothing in the aggregation catches an overflow: the run ends here as a failure.
        HWND owner = progress_ ? progress_->GetSafeHwnd() : nullptr;
        platform::MessageBox(owner, kOverflowMessage, kMessageCaption, MB_OK | MB_ICONWARNING);
        state_.SetExit(RunExit::Failed);
    } catch (...) {
        // Whatever else leaves the run ends the process (the host world's own errors): the
        // dialogs and the rule objects they hold go now, while the core that made them still
        // exists, and not in the static teardown after it.
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
    state_.launchedByParent = 1;
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

// The selected data set and the saved return that matches it.
void LinkApp::SelectDataSet() {
    ReadSelectedDataSet(state_, dataSet_);
    state_.savedReturnInfo = std::make_unique<SavedReturnArea>();
    std::memset(state_.savedReturnInfo.get(), 0, sizeof(SavedReturnArea));
    savedReturnUsable_ = LoadAndMatchSavedReturn(state_, dataSet_);
}

// The data set, the conditions dialog and its results, the (hidden) progress window.
bool LinkApp::AskConditions() {
    SelectDataSet();
    conditions_ = std::make_unique<ConditionsDialog>(state_.parentWindowObject);
    SetUpDialog(*conditions_);
    if (conditions_->DoModal() == IDC_CANCEL) {
        state_.SetExit(RunExit::Cancelled);
        return false;
    }
    firstMonth_ = std::atoi(conditions_->m_startMonthText.c_str());
    lastMonth_ = std::atoi(conditions_->m_endMonthText.c_str());
    outputPath_ = MbcsText::CutAt(conditions_->m_outputPath, kOutputPathChars);
    method_ = conditions_->m_methodChoice == 1 ? 1 : 0;
    progress_ = std::make_unique<ProgressDialog>();
    progress_->Create();
    return true;
}

void LinkApp::SetUpDialog(ConditionsDialog& dialog) {
    const UserSelection selection = ReadUserSelection();
    dialog.m_userId = selection.userId;
    dialog.m_selectedFirst = selection.first;
    dialog.m_selectedDataNo = selection.dataNo;
    dialog.m_settingsFileName = identity_.settingsFileName;
    dialog.m_fixedOutputPath = state_.launchedByParent == 1 ? state_.fixedOutputPath : std::string();
    dialog.m_periodFirst = dataSet_.periodFirst;
    dialog.m_periodLast = dataSet_.periodLast;
    const StSaveTaxInfo& saved = state_.savedReturnInfo->info;
    MonthsOfDates(state_, saved.rangeFirst, saved.rangeLast, dialog.m_savedFirstMonth, dialog.m_savedLastMonth);
    dialog.m_pastResults = dataSet_.dataKind == kPastResultsKind ? 1 : 0;
    dialog.m_savedReturnAvailable = savedReturnUsable_;
    for (int number = 0; number < kDialogTextCount; ++number) {
        dialog.m_texts[number] = DialogText(state_, dataSet_, number);
    }
    dialog.m_taxMethod = state_.taxMethod;
}

// The saved-return method: the report from the return saved in the accounting product.
bool LinkApp::RunSavedReturnMethod() {
    ReportFigures figures;
    figures.savedReturn = &state_.savedReturnInfo->info;
    figures.taxMethod = state_.taxMethod;
    figures.roundingMode = state_.roundingMode;
    const ReportRequest request{progress_->GetSafeHwnd(), outputPath_, state_.functionId, identity_.productName};
    if (WriteSavedReturnReport(request, figures, dataSet_)) return true;
    state_.SetExit(RunExit::Failed);
    state_.savedReturnInfo.reset();
    return false;
}

// The journal method: checks, aggregation, report.
bool LinkApp::RunJournalMethod() {
    if (!AllocateFigures()) return false;
    AggregationContext& context = progress_->Context();
    context.taxMethod = state_.taxMethod;
    context.mainBusinessCategory = state_.mainBusinessCategory;
    BuildMonthCondition(context.monthCondition, GetFiscalYear(dataSet_.periodFirst, dataSet_.periodLast),
                        firstMonth_, lastMonth_, dataSet_.interimSetting);
    std::memset(&taxSettingsRecord_, 0, sizeof taxSettingsRecord_);
    ReadTaxSettings(state_, dataSet_, taxSettingsRecord_);
    const std::int32_t firstDay = FirstDayOfMonth(state_, firstMonth_);
    if (!CheckRange(firstDay)) return false;
    Aggregate(firstDay);
    return WriteJournalReport();
}

// The figure arrays, sized by the data set's rate count.
bool LinkApp::AllocateFigures() {
    state_.taxSettings = DataManagerSetObject<SetObject::TaxSettings>();
    if (state_.taxSettings == nullptr) {
        state_.SetExit(RunExit::Failed);
        return false;
    }
    const int rates = std::max<int>(static_cast<std::int16_t>(state_.taxSettings->GetTaxRateCount()), kReportedRates);
    state_.rateFigures.assign(rates, StTAXREPORTRATEINFO{});
    state_.businessTypeFigures.assign(rates * kBusinessTypesPerRate, StTAXREPORTBUSINESSTYPEINFO{});
    return true;
}

// The sixth business category refuses the run; undetermined import tax only informs.
bool LinkApp::CheckRange(std::int32_t firstDay) {
    AggregationContext& context = progress_->Context();
    std::int32_t sixthCount = 0;
    const std::int32_t status = CountSixthBusinessCategory(context, sixthCount);
    if (ClMsgMgr::Inst()->CheckFatalErrorWithMsg(status, -1, 1, nullptr) != 0) {
        state_.SetExit(RunExit::Failed);
        return false;
    }
    const TaxMethod method = TaxMethodOf(taxSettingsRecord_);
    if (method == TaxMethod::Simplified && sixthCount > 0 && firstDay < kSixthCategoryStart) {
        char message[1024] = {};
        std::snprintf(message, sizeof message, kSixthCategoryMessage, identity_.productName);
        progress_->MessageBox(message, kMessageCaption, MB_OK | MB_ICONWARNING);
        state_.SetExit(RunExit::Cancelled);
        return false;
    }
    if (method >= TaxMethod::General && CheckUndeterminedImportTax(context) == 1) {
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
    const std::int32_t lastDay = LastDayOfMonth(state_, lastMonth_);
    const FilingGeneration generation = ChooseFilingGeneration(firstDay, lastDay, state_.taxMethod);
    ReturnFigures(progress.Context(), dataSet_, state_.rateFigures, state_.businessTypeFigures,
                  generation.substituteRate);
    progress.Advance(250, 750);
    AggregateCorporateRefund(progress.Context(), state_.taxTotals, dataSet_, taxSettingsRecord_);
    AggregateIndividualRefund(progress.Context(), state_.taxTotals, dataSet_, taxSettingsRecord_);
    progress.Advance(750, 1000);
    progress.Close();
}

// The journal method's report.
bool LinkApp::WriteJournalReport() {
    ReportFigures figures;
    figures.rates = state_.rateFigures;
    figures.businessTypes = state_.businessTypeFigures;
    figures.totals = &state_.taxTotals;
    figures.taxMethod = state_.taxMethod;
    figures.roundingMode = state_.roundingMode;
    const ReportRequest request{progress_->GetSafeHwnd(), outputPath_, state_.functionId, identity_.productName};
    if (::WriteJournalReport(request, figures, dataSet_, taxSettingsRecord_)) return true;
    state_.SetExit(RunExit::Failed);
    return false;
}

// A finished run: remember the conditions, free the figures, the closing message.
void LinkApp::Finish() {
    const std::string* rememberedPath = state_.launchedByParent == 1 ? nullptr : &outputPath_;
    conditions_->StoreSettings(firstMonth_, lastMonth_, rememberedPath, static_cast<AggregationMethod>(method_));
    state_.rateFigures = {};
    state_.businessTypeFigures = {};
    state_.savedReturnInfo.reset();
    progress_->MessageBox(kFinishedMessage, kMessageCaption, MB_OK | MB_ICONINFORMATION);
}

// Ending the run, by any way, destroys the dialog objects made so far.
void LinkApp::EndRun() {
    if (progress_) progress_->Destroy();
    progress_.reset();
    conditions_.reset();
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
    if (state_.launchedByParent != 1) return;
    CWnd* parent = state_.parentWindowObject;
    parent->SetForegroundWindow();
    parent->EnableWindow(TRUE);
    const WPARAM functionId = static_cast<WPARAM>(static_cast<std::intptr_t>(state_.functionId));
    platform::PostMessage(state_.parentWindow, static_cast<UINT>(state_.notifyMessage), functionId,
                          static_cast<LPARAM>(state_.exitCode));
    parent->EnableWindow(TRUE);
}
