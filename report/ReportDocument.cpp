#include "report/ReportDocument.h"

// Until the report sections are written, every section answers success and no file is made.
int WriteJournalReport(const ReportRequest& /*request*/, const ReportFigures& /*figures*/, const StDATAINFO& /*dataSet*/,
                       const StSHOHIZEIINFO& /*settings*/) {
    return 1;
}

int WriteSavedReturnReport(const ReportRequest& /*request*/, const ReportFigures& /*figures*/,
                           const StDATAINFO& /*dataSet*/) {
    return 1;
}
