// Conversions between the program's CP932 text and the UTF-8 of UI scripts, transcripts and
// host names. Each backend supplies the implementation with its own system's converter.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace TextCodec {

// CP932 to UTF-8; a byte that starts no CP932 character becomes U+FFFD.
std::string ToUtf8(std::string_view cp932);
// UTF-8 to CP932; nullopt when the text is not UTF-8 or holds a character CP932 lacks.
std::optional<std::string> ToCp932(std::string_view utf8);
// UTF-8 to CP932 as Windows hands a program of code page 932 the text a person typed or a
// command line: a character CP932 lacks becomes '?'; nullopt when the text is not UTF-8.
std::optional<std::string> ToCp932Replacing(std::string_view utf8);

}  // namespace TextCodec

// A text of the program on one line of UTF-8, for messages.
std::string OneLine(const std::string& cp932);
