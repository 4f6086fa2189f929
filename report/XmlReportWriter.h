// Writes the report file one complete line at a time: TAB indentation, no attributes unless
// asked, escaped values, CR LF, and each finished line handed to the file in one write.
// It knows nothing of the report's structure and does not check nesting.
//
// Results: the writing calls answer true on success and false on failure. After a failed
// write the file is closed and every later write answers false.
//
// Lines are composed in one buffer the writer keeps and reuses; lines and escaped texts grow
// as needed, so a text longer than the 255-byte areas of a line is written
// whole rather than refused (no caller produces one) and nothing is ever written past a buffer.
#pragma once

#include "platform/CFile.h"

#include <optional>
#include <string>
#include <string_view>

class XmlReportWriter {
public:
    using Text = std::optional<std::string_view>;  // an attribute part; nullopt = not passed

    XmlReportWriter() = default;
    XmlReportWriter(const XmlReportWriter&) = delete;
    XmlReportWriter& operator=(const XmlReportWriter&) = delete;
    ~XmlReportWriter() { CloseFile(); }

    // Binds the caller's file object (which must outlive the writing) and creates the file:
    // an existing one is truncated. False for a missing file object or path, or when the file
    // cannot be created; nothing is bound then.
    bool OpenFile(CFile* file, const std::string& path);
    // Binds a file that is already open for writing; false for nullptr or a closed file.
    bool AttachFile(CFile* file);
    // The bytes of text as one write.
    bool WriteRaw(std::string_view text);
    bool OpenElement(std::string_view name, int depth,
                    Text attribute1Name = std::nullopt, Text attribute1Value = std::nullopt,
                    Text attribute2Name = std::nullopt, Text attribute2Value = std::nullopt);
    // Start tag, escaped value and end tag on one line; an empty value is never self-closing.
    bool WriteElement(std::string_view name, std::string_view value, int depth,
                     Text attribute1Name = std::nullopt, Text attribute1Value = std::nullopt,
                     Text attribute2Name = std::nullopt, Text attribute2Value = std::nullopt);
    bool CloseElement(std::string_view name, int depth);
    // Allowed in every state, any number of times.
    void CloseFile();

    // Replaces & > < " ' by their entity references; every other byte is kept.
    static std::string EscapeText(std::string_view text);

private:
    struct Attributes {
        Text name1, value1, name2, value2;
    };

    static void AppendEscaped(std::string& out, std::string_view text);
    static void AppendIndent(std::string& line, int depth);
    static void AppendStartTag(std::string& line, std::string_view name, const Attributes& attributes);
    static void AppendAttribute(std::string& line, std::string_view name, std::string_view value);
    static void AppendEndTag(std::string& line, std::string_view name);

    // The line being composed, then written in one piece.
    bool WriteLine();

    CFile* file_ = nullptr;  // bound and open, or nullptr
    std::string line_;
};
