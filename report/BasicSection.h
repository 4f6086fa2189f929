// The BASIC section: the company, its fiscal year and its consumption-tax settings, taken from
// the data set and the run's figures (journal method) or from the saved return.
#pragma once

#include "core_api/StDATAINFO.h"
#include "report/ReportCatalogue.h"
#include "report/ReportFigures.h"
#include "report/XmlReportWriter.h"

#include <array>
#include <string>

// How the run gathered its figures; the saved method takes several BASIC values from the
// saved return.
enum class ReportMethod : int { Journal = 0, SavedReturn = 1 };

using BasicValues = std::array<std::string, ReportCatalogue::kBasicCount>;

// The section's values in document order. The journal method asks the data set's
// consumption-tax settings for its number of tax rates.
BasicValues ComposeBasicValues(const StDATAINFO& dataSet, const ReportFigures& figures, ReportMethod method);

// True when every line of the section was written; false at the first failed write, after
// which nothing more of the section is written.
bool WriteBasicSection(XmlReportWriter& writer, const StDATAINFO& dataSet, const ReportFigures& figures,
                       ReportMethod method);
