#include "report/SystemSection.h"

#include "report/ReportSection.h"
#include "report/SupportInfoReader.h"
#include "resources/VersionString.h"

#include <string_view>

namespace {

using ReportSection::WriteValue;

constexpr const char* kBusinessPrefix = "TX31";
constexpr const char* kFormatVersion = "1";

// Positions of the section's names in the catalogue.
enum : std::size_t {
    kPrefixName = ReportCatalogue::kSystemFirst,
    kVersionName,
    kFunctionIdName,
    kConnectedVersionName,
    kProgramNameName,
    kProgramVersionName,
};
static_assert(kProgramVersionName + 1 == ReportCatalogue::kSystemFirst + ReportCatalogue::kSystemCount);

std::string OrLiteral(std::string value, const char* literal) { return value.empty() ? literal : value; }

// The reader, and with it its buffer, lives only while these two elements are written.
bool WriteSupportInfo(XmlReportWriter& writer, std::string& line, const ReportRequest& request) {
    SupportInfoReader support(request.owner);
    return WriteValue(writer, line, kProgramNameName, OrLiteral(support.ProductName(), request.productName)) &&
           WriteValue(writer, line, kProgramVersionName, OrLiteral(support.ProductVersion(), kDefaultProductVersion));
}

}  // namespace

int WriteSystemSection(XmlReportWriter& writer, std::string& line, const ReportRequest& request) {
    using ReportSection::kSectionDepth;
    if (!writer.OpenElement(line, ReportCatalogue::kSystem, kSectionDepth)) return 0;
    const std::string functionId = std::to_string(request.functionId);
    const bool written = WriteValue(writer, line, kPrefixName, kBusinessPrefix) &&
                         WriteValue(writer, line, kVersionName, kFormatVersion) &&
                         WriteValue(writer, line, kFunctionIdName, functionId) &&
                         WriteValue(writer, line, kConnectedVersionName, kProgramVersion) &&
                         WriteSupportInfo(writer, line, request);
    if (!written) return 0;
    return writer.CloseElement(line, ReportCatalogue::kSystem, kSectionDepth);
}
