#include "report/DataSectionWriter.h"

#include <charconv>

bool DataSectionWriter::OpenData() {
    if (failed_) return false;
    return Track(writer_.OpenElement(ReportCatalogue::kData, kDataDepth));
}

bool DataSectionWriter::CloseData() {
    if (failed_) return false;
    return Track(writer_.CloseElement(ReportCatalogue::kData, kDataDepth));
}

bool DataSectionWriter::OpenGroup(const DataGroup& group) {
    if (failed_) return false;
    openGroup_ = &group;
    return Track(writer_.OpenElement(group.identifier, kGroupDepth));
}

bool DataSectionWriter::CloseGroup() {
    if (failed_ || openGroup_ == nullptr) return false;
    const DataGroup& group = *openGroup_;
    openGroup_ = nullptr;
    return Track(writer_.CloseElement(group.identifier, kGroupDepth));
}

bool DataSectionWriter::WriteAmount(std::string_view name, std::int64_t yen, Zero zero) {
    return WriteText(name, AmountText(yen, zero));
}

bool DataSectionWriter::WriteEmpty(std::string_view name) { return WriteText(name, {}); }

bool DataSectionWriter::WriteText(std::string_view name, std::string_view text) {
    if (failed_) return false;
    return Track(writer_.WriteElement(name, text, kValueDepth));
}

bool DataSectionWriter::WriteEmptyGroup(const DataGroup& group) {
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

bool DataSectionWriter::Track(bool written) {
    if (!written) failed_ = true;
    return written;
}
