// The report file: declaration, REPORT, SYSTEM, BASIC and DATA, with a question after a
// failed section whether to go on.
#pragma once

#include "aggregate/TaxTotals.h"
#include "core_api/StDATAINFO.h"
#include "core_api/StSHOHIZEIINFO.h"
#include "core_api/StSaveTaxInfo.h"
#include "core_api/StTAXREPORTBUSINESSTYPEINFO.h"
#include "core_api/StTAXREPORTRATEINFO.h"
#include "platform/WinTypes.h"

#include <cstdint>
#include <span>
#include <string>

// What the report needs of the run besides the figures.
struct ReportRequest {
    HWND owner = nullptr;  // of the questions
    std::string outputPath;
    std::int16_t functionId = 1;
    const char* productName = "";
};

// The figures of the run that the sections write.
struct ReportFigures {
    std::span<const StTAXREPORTRATEINFO> rates;
    std::span<const StTAXREPORTBUSINESSTYPEINFO> businessTypes;
    const TaxTotals* totals = nullptr;
    const StSaveTaxInfo* savedReturn = nullptr;
    std::uint8_t taxMethod = 0;
    std::uint8_t roundingMode = 0;
};

// 1 when the sequence ran to its end (also after failures passed over with Yes); 0 when the
// user stopped it with No, which leaves the file closed with the end tag of REPORT.
int WriteJournalReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet,
                       const StSHOHIZEIINFO& settings);
int WriteSavedReturnReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet);
