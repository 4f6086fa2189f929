// The application object: InitInstance performs the whole run, ExitInstance disconnects
// from the accounting system and tells the calling program how the run ended.
#pragma once

#include "app/ProgramIdentity.h"
#include "app/RunState.h"
#include "core_api/StDATAINFO.h"
#include "core_api/StSHOHIZEIINFO.h"
#include "platform/CWinApp.h"

#include <memory>

class ConditionsDialog;
class ProgressDialog;

class LinkApp : public CWinApp {
public:
    explicit LinkApp(const ProgramIdentity& identity);
    ~LinkApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    const RunState& State() const { return state_; }

private:
    // The run, step by step; each answers false where the run ends.
    bool Connect();
    void ReadLaunchParameter();
    bool CheckEnvironmentAndLink();
    void SelectDataSet();
    bool AskConditions();
    bool RunSavedReturnMethod();
    bool RunJournalMethod();
    bool CheckRange(std::int32_t firstDay);
    void Aggregate(std::int32_t firstDay);
    bool WriteJournalReport();
    void Finish();
    void EndRun();

    bool AllocateFigures();
    void SetUpDialog(ConditionsDialog& dialog);
    void ShutDown();

    ProgramIdentity identity_;
    RunState state_;
    StDATAINFO dataSet_{};
    StSHOHIZEIINFO taxSettingsRecord_{};
    int savedReturnUsable_ = 0;
    std::unique_ptr<ConditionsDialog> conditions_;
    std::unique_ptr<ProgressDialog> progress_;
    int firstMonth_ = 0;
    int lastMonth_ = 0;
    std::string outputPath_;
    int method_ = 0;
};
