// The SYSTEM section: who produced the report. The product name and version come from
// "SUPPORT.INF" in the program's folder, else from the program's own literals.
#pragma once

#include "report/ReportRequest.h"
#include "report/XmlReportWriter.h"

#include <string>

inline constexpr const char* kDefaultProductVersion = "21.00.0X";

// True when every line of the section was written; false at the first failed write, after
// which nothing more of the section is written.
bool WriteSystemSection(XmlReportWriter& writer, const ReportRequest& request);
