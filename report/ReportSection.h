// What the SYSTEM and BASIC sections share: their depths and how a value element is written.
#pragma once

#include "report/ReportCatalogue.h"
#include "report/XmlReportWriter.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ReportSection {

inline constexpr int kRootDepth = 0;
inline constexpr int kSectionDepth = 1;
inline constexpr int kValueDepth = 2;

// The value element whose name stands at nameIndex of the catalogue; 1 written, 0 failed.
inline int WriteValue(XmlReportWriter& writer, std::string& line, std::size_t nameIndex, std::string_view value) {
    return writer.WriteElement(line, ReportCatalogue::kElementNames[nameIndex], value, kValueDepth);
}

}  // namespace ReportSection
