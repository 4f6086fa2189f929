// The application object: InitInstance performs the whole run, ExitInstance disconnects
// from the accounting system and tells the calling program how the run ended. The order of
// the run is described in docs/run.md.
#pragma once

#include "aggregate/AggregationContext.h"
#include "aggregate/TaxTotals.h"
#include "app/ProgramIdentity.h"
#include "app/RunState.h"
#include "app/SavedReturnCheck.h"
#include "app/SelectedData.h"
#include "conditions/ChosenConditions.h"
#include "core_api/StTAXREPORTBUSINESSTYPEINFO.h"
#include "core_api/StTAXREPORTRATEINFO.h"
#include "platform/CWinApp.h"

#include <cstdint>
#include <memory>
#include <vector>

class ConditionsDialog;
class ProgressDialog;

// The figures of one run, freed when it finishes.
struct RunFigures {
    std::vector<StTAXREPORTRATEINFO> rates;
    std::vector<StTAXREPORTBUSINESSTYPEINFO> businessTypes;
    TaxTotals totals;
    std::unique_ptr<SavedReturnArea> savedReturn;
};

class LinkApp : public CWinApp {
public:
    explicit LinkApp(const ProgramIdentity& identity);
    ~LinkApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    const RunState& State() const { return state_; }
    const RunFigures& Figures() const { return figures_; }

private:
    // Each answers false where the run ends.
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
    void SetUpDialog(ConditionsDialog& dialog) const;
    void OpenProgress();
    void ShutDown();

    ProgramIdentity identity_;
    RunState state_;
    SelectedData selected_;
    bool savedReturnUsable_ = false;
    ChosenConditions chosen_;
    RunFigures figures_;
    std::unique_ptr<ProgressDialog> progress_;
    std::unique_ptr<AggregationContext> aggregation_;
};
