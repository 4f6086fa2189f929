// The report file: declaration, REPORT, SYSTEM, BASIC and DATA, with a question after a
// failed section whether to go on.
#pragma once

#include "core_api/StDATAINFO.h"
#include "core_api/StSHOHIZEIINFO.h"
#include "platform/WinTypes.h"
#include "report/ReportFigures.h"

#include <cstdint>
#include <string>

// What the report needs of the run besides the figures.
struct ReportRequest {
    HWND owner = nullptr;  // of the questions
    std::string outputPath;
    std::int16_t functionId = 1;
    const char* productName = "";
};

// 1 when the sequence ran to its end (also after failures passed over with Yes); 0 when the
// user stopped it with No, which leaves the file closed with the end tag of REPORT.
int WriteJournalReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet,
                       const StSHOHIZEIINFO& settings);
int WriteSavedReturnReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet);
