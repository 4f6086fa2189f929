// What the SYSTEM and BASIC sections share: their depths and how a value element is written.
#pragma once

#include "report/ReportCatalogue.h"
#include "report/XmlReportWriter.h"

#include <cstddef>
#include <string_view>

namespace ReportSection {

inline constexpr int kRootDepth = 0;
inline constexpr int kSectionDepth = 1;
inline constexpr int kValueDepth = 2;

// The value element whose name stands at nameIndex of the catalogue; false when not written.
inline bool WriteValue(XmlReportWriter& writer, std::size_t nameIndex, std::string_view value) {
    return writer.WriteElement(ReportCatalogue::kElementNames[nameIndex], value, kValueDepth);
}

}  // namespace ReportSection
