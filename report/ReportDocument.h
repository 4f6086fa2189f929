// The report file: declaration, REPORT, SYSTEM, BASIC and DATA, with a question after a
// failed section whether to go on.
#pragma once

#include "core_api/StDATAINFO.h"
#include "core_api/StSHOHIZEIINFO.h"
#include "report/BasicSection.h"
#include "report/ReportFigures.h"
#include "report/ReportRequest.h"
#include "report/XmlReportWriter.h"

#include <functional>
#include <string>

// 1 when the sequence ran to its end (also after failures passed over with Yes); 0 when the
// user stopped it with No, which leaves the file closed with the end tag of REPORT. The
// caller records the failed run.
int WriteJournalReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet,
                       const StSHOHIZEIINFO& settings);
int WriteSavedReturnReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet);

// Writes the DATA section into the open report; 1 written, 0 failed.
using DataSectionFunction = std::function<int(XmlReportWriter& writer, std::string& line)>;

// The sequence both methods share, with the method's BASIC values and DATA writer.
int WriteReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet,
                ReportMethod method, const DataSectionFunction& writeData);
