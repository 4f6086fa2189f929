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

// True when the whole report took the destination's place; false when any section failed
// (passed over with Yes or stopped with No), the end tag was lost or the destination could
// not be replaced: the destination then holds what it held before, the user has been warned,
// and the caller records the failed run.
bool WriteJournalReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet,
                        const StSHOHIZEIINFO& settings);
bool WriteSavedReturnReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet);

// Writes the DATA section into the open report; false when it failed.
using DataSectionFunction = std::function<bool(XmlReportWriter& writer)>;

// The sequence both methods share, with the method's BASIC values and DATA writer.
bool WriteReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet,
                 ReportMethod method, const DataSectionFunction& writeData);
