#include "platform/MbcsText.h"

#include "platform/SystemServices.h"

namespace MbcsText {

std::size_t CharLength(std::string_view text, std::size_t pos) {
    const bool lead = platform::IsDBCSLeadByte(static_cast<unsigned char>(text[pos]));
    return lead && pos + 1 < text.size() ? 2 : 1;
}

std::size_t LastCharStart(std::string_view text) {
    std::size_t last = npos;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) last = pos;
    return last;
}

bool EndsWithBackslash(std::string_view text) {
    const std::size_t last = LastCharStart(text);
    return last != npos && last == text.size() - 1 && text[last] == '\\';
}

bool EndsWithTrailByte(std::string_view text) {
    const std::size_t last = LastCharStart(text);
    return last != npos && last + 2 == text.size();
}

std::size_t Find(std::string_view text, char c, std::size_t pos) {
    for (std::size_t at = 0; at < text.size(); at += CharLength(text, at)) {
        if (at >= pos && text[at] == c) return at;
    }
    return npos;
}

std::size_t FindLast(std::string_view text, char c) {
    std::size_t found = npos;
    for (std::size_t at = 0; at < text.size(); at += CharLength(text, at)) {
        if (text[at] == c) found = at;
    }
    return found;
}

std::size_t FindAnyOf(std::string_view text, std::string_view set, std::size_t pos) {
    for (std::size_t at = 0; at < text.size(); at += CharLength(text, at)) {
        if (at >= pos && set.find(text[at]) != std::string_view::npos) return at;
    }
    return npos;
}

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t pos) {
    for (std::size_t at = 0; at < text.size(); at += CharLength(text, at)) {
        if (at >= pos && text.substr(at, needle.size()) == needle) return at;
    }
    return npos;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t at = 0; at < a.size();) {
        const std::size_t length = CharLength(a, at);
        if (length != CharLength(b, at)) return false;
        if (length == 1) {
            const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
            if (fold(a[at]) != fold(b[at])) return false;
        } else if (a.substr(at, 2) != b.substr(at, 2)) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string CutAt(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + CharLength(text, end);
        if (next > maxBytes) break;
        end = next;
    }
    return std::string(text.substr(0, end));
}

std::string_view Trim(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string_view> ListEntries(std::string_view text, char separator) {
    std::vector<std::string_view> entries;
    for (;;) {
        const std::size_t end = text.find(separator);
        if (const std::string_view entry = Trim(text.substr(0, end)); !entry.empty()) entries.push_back(entry);
        if (end == std::string_view::npos) return entries;
        text.remove_prefix(end + 1);
    }
}

std::size_t FindLineFeed(std::string_view text, std::size_t pos) {
    // Every trail byte is 0x40 or above, so a byte 0x0A is an LF wherever it stands.
    return text.find('\n', pos);
}

}  // namespace MbcsText
