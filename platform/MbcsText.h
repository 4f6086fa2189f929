// The one place for byte-wise work on CP932 text: it walks characters, never splits a
// double-byte character and never takes its trail byte (which may be 0x5C, the backslash,
// as in 表 or ソ) for a separator or a special character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace MbcsText {

inline constexpr std::size_t npos = std::string_view::npos;

// Bytes taken by the character that starts at text[pos] (1 or 2; 1 for a lead byte at the end).
std::size_t CharLength(std::string_view text, std::size_t pos);
// Start of the last character, npos for an empty text.
std::size_t LastCharStart(std::string_view text);
// The last byte is a backslash of its own, not the trail byte of a double-byte character.
bool EndsWithBackslash(std::string_view text);
// The last byte is the trail byte of a double-byte character.
bool EndsWithTrailByte(std::string_view text);
// First occurrence of byte c at a character start, from pos on; npos when none.
std::size_t Find(std::string_view text, char c, std::size_t pos = 0);
// Last occurrence of byte c at a character start; npos when none.
std::size_t FindLast(std::string_view text, char c);
// First occurrence of any of the bytes in set at a character start, from pos on.
std::size_t FindAnyOf(std::string_view text, std::string_view set, std::size_t pos = 0);
// First occurrence of the single-byte sequence needle starting at a character start.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t pos = 0);
// Equal but for the case of single-byte ASCII letters (names of files, sections, keys),
// never folding a trail byte.
bool EqualNoCase(std::string_view a, std::string_view b);
// At most maxBytes bytes of text; a double-byte character that the cut would split is
// dropped whole.
std::string CutAt(std::string_view text, std::size_t maxBytes);
// The text without the bytes of blanks at either end. Blanks are ASCII controls and the space,
// below 0x40: never the trail byte of a double-byte character nor part of a UTF-8 one, so the
// same trim serves CP932 and UTF-8 text.
std::string_view Trim(std::string_view text, std::string_view blanks = " \t");
// The trimmed entries of a list whose entries stand between separators (';', ','), empty ones
// left out. The separator is an ASCII byte below 0x40, so a byte-wise split is sound for CP932
// and UTF-8 text alike.
std::vector<std::string_view> ListEntries(std::string_view text, char separator);
// First LF from pos on; npos when none. An LF is never part of a double-byte character: a lead
// byte just before it stands alone, and the line ends at the LF all the same.
std::size_t FindLineFeed(std::string_view text, std::size_t pos = 0);

}  // namespace MbcsText
