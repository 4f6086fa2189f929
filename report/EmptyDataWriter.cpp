#include "report/EmptyDataWriter.h"

#include "report/DataSectionWriter.h"

namespace EmptyDataWriter {

int Write(XmlReportWriter& writer, std::string& line) {
    DataSectionWriter data(writer, line);
    data.OpenData();
    for (const DataGroup& group : ReportCatalogue::kDataGroups) data.WriteEmptyGroup(group);
    data.CloseData();
    return data.Result();
}

}  // namespace EmptyDataWriter
