// The two writers of the DATA section: from the journal aggregation and from the saved
// return. Both write the same groups and elements in the same order; each answers true when
// the whole section was written and false at the first failed write (or, for the journal
// writer, when the data set has no consumption-tax settings object), leaving the rest
// unwritten.
#pragma once

#include "core_api/StDATAINFO.h"
#include "core_api/StSHOHIZEIINFO.h"
#include "report/ReportFigures.h"
#include "report/XmlReportWriter.h"

bool WriteJournalData(XmlReportWriter& writer, const ReportFigures& figures, const StDATAINFO& dataSet,
                      const StSHOHIZEIINFO& settings);

bool WriteSavedReturnData(XmlReportWriter& writer, const ReportFigures& figures, const StDATAINFO& dataSet);
