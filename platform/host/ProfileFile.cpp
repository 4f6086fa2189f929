// GetPrivateProfileString as Windows reads an initialisation file.
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "platform/host/HostWorld.h"

#include <fstream>
#include <iterator>

namespace {

// Blanks around names and values, and the CR of a CRLF line.
std::string_view TrimBlanks(std::string_view text) { return MbcsText::Trim(text, " \t\r"); }

// A value in matching double or single quotes loses them.
std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A bare file name lives in the Windows folder, as Windows looks for it there.
std::string ProfilePath(const std::string& fileName) {
    if (MbcsText::FindAnyOf(fileName, "\\/:") == MbcsText::npos) return "C:\\Windows\\" + fileName;
    return fileName;
}

std::optional<std::string> ReadAll(const std::string& windowsPath) {
    std::optional<std::string> host = World().HostPath(ProfilePath(windowsPath));
    if (!host) return std::nullopt;
    std::ifstream file(*host, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

namespace platform {

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
    const std::string fallback(TrimBlanks(defaultValue));
    const std::optional<std::string> content = ReadAll(fileName);
    if (!content) return fallback;

    bool inSection = false;
    bool sectionSeen = false;
    std::string_view rest = *content;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = TrimBlanks(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (line.starts_with("[")) {
            if (sectionSeen && inSection) break;  // only the first section of the name counts
            const std::size_t close = MbcsText::Find(line, ']');
            const std::string_view name = TrimBlanks(line.substr(1, close == MbcsText::npos ? MbcsText::npos : close - 1));
            inSection = MbcsText::EqualNoCase(name, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection) continue;
        const std::size_t equals = MbcsText::Find(line, '=');
        if (equals == MbcsText::npos || !MbcsText::EqualNoCase(TrimBlanks(line.substr(0, equals)), key)) continue;
        return std::string(Unquote(TrimBlanks(line.substr(equals + 1))));
    }
    return fallback;
}

}  // namespace platform
