#include "report/DataWriters.h"

#include "report/EmptyDataWriter.h"

// Until the saved figures are mapped, the section has its full shape with every value empty.
int WriteSavedReturnData(XmlReportWriter& writer, std::string& line, const ReportFigures& /*figures*/,
                         const StDATAINFO& /*dataSet*/) {
    return EmptyDataWriter::Write(writer, line);
}
