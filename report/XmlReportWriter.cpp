#include "report/XmlReportWriter.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool Present(const XmlReportWriter::Text& name, const XmlReportWriter::Text& value) {
    return name.has_value() && value.has_value();
}

}  // namespace

bool XmlReportWriter::OpenFile(CFile* file, const std::string& path) {
    CloseFile();
    if (file == nullptr || path.empty()) return false;
    const UINT flags = CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive | CFile::typeBinary;
    if (!file->Open(path, flags)) return false;
    file_ = file;
    return true;
}

bool XmlReportWriter::AttachFile(CFile* file) {
    CloseFile();
    if (file == nullptr || !file->IsOpen()) return false;
    file_ = file;
    return true;
}

bool XmlReportWriter::WriteRaw(std::string_view text) {
    if (file_ == nullptr) return false;
    if (!file_->Write(text.data(), static_cast<UINT>(text.size()))) {
        CloseFile();  // every later write fails too
        return false;
    }
    return true;
}

bool XmlReportWriter::OpenElement(std::string_view name, int depth, Text attribute1Name, Text attribute1Value,
                                  Text attribute2Name, Text attribute2Value) {
    line_.clear();
    AppendIndent(line_, depth);
    AppendStartTag(line_, name, {attribute1Name, attribute1Value, attribute2Name, attribute2Value});
    return WriteLine();
}

bool XmlReportWriter::WriteElement(std::string_view name, std::string_view value, int depth,
                                   Text attribute1Name, Text attribute1Value,
                                   Text attribute2Name, Text attribute2Value) {
    line_.clear();
    AppendIndent(line_, depth);
    AppendStartTag(line_, name, {attribute1Name, attribute1Value, attribute2Name, attribute2Value});
    AppendEscaped(line_, value);
    AppendEndTag(line_, name);
    return WriteLine();
}

bool XmlReportWriter::CloseElement(std::string_view name, int depth) {
    line_.clear();
    AppendIndent(line_, depth);
    AppendEndTag(line_, name);
    return WriteLine();
}

void XmlReportWriter::CloseFile() {
    if (file_ != nullptr) file_->Close();
    file_ = nullptr;
}

bool XmlReportWriter::WriteLine() {
    line_ += kLineEnd;
    return WriteRaw(line_);
}

std::string XmlReportWriter::EscapeText(std::string_view text) {
    std::string escaped;
    AppendEscaped(escaped, text);
    return escaped;
}

// Byte by byte on purpose: every special byte is below 0x40, where no CP932 trail byte lies,
// so no character is split, and even a malformed pair cannot carry a raw '<' into the file.
void XmlReportWriter::AppendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '>': out += "&gt;"; break;
            case '<': out += "&lt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += c; break;
        }
    }
}

void XmlReportWriter::AppendIndent(std::string& line, int depth) {
    if (depth > 0) line.append(static_cast<std::size_t>(depth), '\t');
}

void XmlReportWriter::AppendStartTag(std::string& line, std::string_view name,
                                     const Attributes& attributes) {
    line += '<';
    line += name;
    // The second attribute is written only after a first one.
    if (Present(attributes.name1, attributes.value1)) {
        AppendAttribute(line, *attributes.name1, *attributes.value1);
        if (Present(attributes.name2, attributes.value2)) {
            AppendAttribute(line, *attributes.name2, *attributes.value2);
        }
    }
    line += '>';
}

void XmlReportWriter::AppendAttribute(std::string& line, std::string_view name, std::string_view value) {
    line += ' ';
    line += name;
    line += "=\"";
    AppendEscaped(line, value);
    line += '"';
}

void XmlReportWriter::AppendEndTag(std::string& line, std::string_view name) {
    line += "</";
    line += name;
    line += '>';
}
