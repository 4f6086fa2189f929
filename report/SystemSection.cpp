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
bool WriteSupportInfo(XmlReportWriter& writer, const ReportRequest& request) {
    SupportInfoReader support(request.owner);
    return WriteValue(writer, kProgramNameName, OrLiteral(support.ProductName(), request.productName)) &&
           WriteValue(writer, kProgramVersionName, OrLiteral(support.ProductVersion(), kDefaultProductVersion));
}

}  // namespace

bool WriteSystemSection(XmlReportWriter& writer, const ReportRequest& request) {
    using ReportSection::kSectionDepth;
    if (!writer.OpenElement(ReportCatalogue::kSystem, kSectionDepth)) return false;
    const std::string functionId = std::to_string(request.functionId);
    const bool written = WriteValue(writer, kPrefixName, kBusinessPrefix) &&
                         WriteValue(writer, kVersionName, kFormatVersion) &&
                         WriteValue(writer, kFunctionIdName, functionId) &&
                         WriteValue(writer, kConnectedVersionName, kProgramVersion) &&
                         WriteSupportInfo(writer, request);
    return written && writer.CloseElement(ReportCatalogue::kSystem, kSectionDepth);
}
