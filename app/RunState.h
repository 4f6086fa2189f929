// The run-wide state of one start of the program, in the order the run uses it.
#pragma once

#include "aggregate/TaxTotals.h"
#include "core_api/StSaveTaxInfo.h"
#include "core_api/StTAXREPORTBUSINESSTYPEINFO.h"
#include "core_api/StTAXREPORTRATEINFO.h"
#include "core_api/TaxMethod.h"
#include "platform/WinTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CWnd;
class ClSetData;
class ClSetShohizei;

// The zero-filled area in which the core leaves the saved return.
union SavedReturnArea {
    StSaveTaxInfo info;
    std::uint8_t bytes[kSaveTaxInfoAreaSize];
};

enum class RunExit : std::int32_t { Finished = 0, Cancelled = 1, Failed = 2 };

struct RunState {
    std::int32_t launchedByParent = 0;
    HWND parentWindow = nullptr;
    std::int32_t notifyMessage = 0;
    std::int16_t functionId = 1;
    std::string fixedOutputPath;
    CWnd* parentWindowObject = nullptr;
    std::int32_t exitCode = 0;
    ClSetData* dataSetSettings = nullptr;
    ClSetShohizei* taxSettings = nullptr;
    std::vector<StTAXREPORTRATEINFO> rateFigures;
    std::vector<StTAXREPORTBUSINESSTYPEINFO> businessTypeFigures;
    std::unique_ptr<SavedReturnArea> savedReturnInfo;
    TaxTotals taxTotals;
    TaxMethod taxMethod = TaxMethod::Exempt;
    std::uint8_t mainBusinessCategory = 0;
    std::uint8_t roundingMode = 0;

    void SetExit(RunExit code) { exitCode = static_cast<std::int32_t>(code); }
};
