#include "report/DataSectionWriter.h"

#include <charconv>

int DataSectionWriter::OpenData() {
    if (failed_) return 0;
    return Track(writer_.OpenElement(line_, ReportCatalogue::kData, kDataDepth));
}

int DataSectionWriter::CloseData() {
    if (failed_) return 0;
    return Track(writer_.CloseElement(line_, ReportCatalogue::kData, kDataDepth));
}

int DataSectionWriter::OpenGroup(const DataGroup& group) {
    if (failed_) return 0;
    openGroup_ = &group;
    return Track(writer_.OpenElement(line_, group.identifier, kGroupDepth));
}

int DataSectionWriter::CloseGroup() {
    if (failed_ || openGroup_ == nullptr) return 0;
    const DataGroup& group = *openGroup_;
    openGroup_ = nullptr;
    return Track(writer_.CloseElement(line_, group.identifier, kGroupDepth));
}

int DataSectionWriter::WriteAmount(std::string_view name, std::int64_t yen, Zero zero) {
    return WriteText(name, AmountText(yen, zero));
}

int DataSectionWriter::WriteEmpty(std::string_view name) { return WriteText(name, {}); }

int DataSectionWriter::WriteText(std::string_view name, std::string_view text) {
    if (failed_) return 0;
    return Track(writer_.WriteElement(line_, name, text, kValueDepth));
}

int DataSectionWriter::WriteEmptyGroup(const DataGroup& group) {
    OpenGroup(group);
    for (std::string_view name : ReportCatalogue::Names(group)) WriteEmpty(name);
    return CloseGroup();
}

std::string DataSectionWriter::AmountText(std::int64_t yen, Zero zero) {
    if (yen == 0) return zero == Zero::AsDigit ? "0" : "";
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, yen).ptr;
    return std::string(digits, end);
}

int DataSectionWriter::Track(int result) {
    if (result == 0) failed_ = true;
    return result;
}
