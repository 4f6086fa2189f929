// Writes the whole DATA section with every value element empty: the shape every report has,
// before figures are filled in.
#pragma once

#include "report/XmlReportWriter.h"

#include <string>

namespace EmptyDataWriter {

// 1 when the whole section was written, 0 at the first failed write (nothing after it).
int Write(XmlReportWriter& writer, std::string& line);

}  // namespace EmptyDataWriter
