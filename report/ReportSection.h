// What the sections share: the SYSTEM and BASIC depths, how their value elements are written,
// and the report's two-valued codes.
#pragma once

#include "report/ReportCatalogue.h"
#include "report/XmlReportWriter.h"

#include <cstddef>
#include <string_view>

namespace ReportSection {

inline constexpr int kRootDepth = 0;
inline constexpr int kSectionDepth = 1;
inline constexpr int kValueDepth = 2;

// The report's two-valued codes: "1" for the first case, "2" for the other.
constexpr std::string_view OneIf(bool firstCase) { return firstCase ? "1" : "2"; }

// The value element whose name stands at nameIndex of the catalogue; false when not written.
inline bool WriteValue(XmlReportWriter& writer, std::size_t nameIndex, std::string_view value) {
    return writer.WriteElement(ReportCatalogue::kElementNames[nameIndex], value, kValueDepth);
}

}  // namespace ReportSection
