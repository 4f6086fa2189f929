#include "report/XmlReportWriter.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool Present(const XmlReportWriter::Text& name, const XmlReportWriter::Text& value) {
    return name.has_value() && value.has_value();
}

}  // namespace

int XmlReportWriter::OpenFile(CFile* file, const std::string& path) {
    CloseFile();
    path_ = path;
    if (file == nullptr || path.empty()) return -1;
    const UINT flags = CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive | CFile::typeBinary;
    if (!file->Open(path, flags)) return -1;
    file_ = file;
    return 0;
}

int XmlReportWriter::WriteRaw(std::string_view text) {
    if (file_ == nullptr) return 0;
    if (!file_->Write(text.data(), static_cast<UINT>(text.size()))) {
        CloseFile();  // every later write fails too
        return 0;
    }
    return 1;
}

int XmlReportWriter::OpenElement(std::string& line, std::string_view name, int depth,
                                 Text attribute1Name, Text attribute1Value,
                                 Text attribute2Name, Text attribute2Value) {
    line.clear();
    AppendIndent(line, depth);
    AppendStartTag(line, name, {attribute1Name, attribute1Value, attribute2Name, attribute2Value});
    line += kLineEnd;
    return WriteRaw(line);
}

int XmlReportWriter::WriteElement(std::string& line, std::string_view name, std::string_view value,
                                  int depth, Text attribute1Name, Text attribute1Value,
                                  Text attribute2Name, Text attribute2Value) {
    line.clear();
    AppendIndent(line, depth);
    AppendStartTag(line, name, {attribute1Name, attribute1Value, attribute2Name, attribute2Value});
    AppendEscaped(line, value);
    AppendEndTag(line, name);
    line += kLineEnd;
    return WriteRaw(line);
}

int XmlReportWriter::CloseElement(std::string& line, std::string_view name, int depth) {
    line.clear();
    AppendIndent(line, depth);
    AppendEndTag(line, name);
    line += kLineEnd;
    return WriteRaw(line);
}

int XmlReportWriter::CloseFile() {
    if (file_ != nullptr) file_->Close();
    file_ = nullptr;
    return 0;
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
