#include "report/DataWriters.h"

#include "report/EmptyDataWriter.h"

// Until the figures are mapped, the section has its full shape with every value empty.
int WriteJournalData(XmlReportWriter& writer, std::string& line, const ReportFigures& /*figures*/,
                     const StDATAINFO& /*dataSet*/, const StSHOHIZEIINFO& /*settings*/) {
    return EmptyDataWriter::Write(writer, line);
}
