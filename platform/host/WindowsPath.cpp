#include "platform/host/WindowsPath.h"

#include "platform/MbcsText.h"

namespace {

bool ValidName(std::string_view name) {
    for (std::size_t at = 0; at < name.size(); at += MbcsText::CharLength(name, at)) {
        const auto c = static_cast<unsigned char>(name[at]);
        if (c < 0x20 || std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    }
    return true;
}

std::string WithBackslashes(std::string_view path) {
    std::string text(path);
    for (std::size_t at = 0; at < text.size(); at += MbcsText::CharLength(text, at)) {
        if (text[at] == '/') text[at] = '\\';
    }
    return text;
}

bool AppendNames(WindowsPath& path, std::string_view rest) {
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = MbcsText::Find(rest, '\\', start);
        if (end == MbcsText::npos) end = rest.size();
        const std::string_view name = rest.substr(start, end - start);
        if (name == "..") {
            if (!path.names.empty()) path.names.pop_back();
        } else if (!name.empty() && name != ".") {
            if (!ValidName(name)) return false;
            path.names.emplace_back(name);
        }
        start = end + 1;
    }
    return true;
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string WindowsPath::Text() const {
    std::string text = root;
    for (const std::string& name : names) text += "\\" + name;
    if (names.empty()) text += "\\";
    return text;
}

WindowsPath WindowsPath::Parent() const {
    WindowsPath parent = *this;
    if (!parent.names.empty()) parent.names.pop_back();
    return parent;
}

std::optional<WindowsPath> ResolveWindowsPath(std::string_view original, std::string_view currentDirectory) {
    const std::string path = WithBackslashes(original);
    if (path.empty()) return std::nullopt;
    WindowsPath resolved;
    std::string_view rest = path;

    if (rest.starts_with("\\\\")) {
        const std::size_t serverEnd = MbcsText::Find(rest, '\\', 2);
        if (serverEnd == MbcsText::npos) return std::nullopt;
        std::size_t shareEnd = MbcsText::Find(rest, '\\', serverEnd + 1);
        if (shareEnd == MbcsText::npos) shareEnd = rest.size();
        const std::string_view server = rest.substr(2, serverEnd - 2);
        const std::string_view share = rest.substr(serverEnd + 1, shareEnd - serverEnd - 1);
        if (server.empty() || share.empty() || !ValidName(server) || !ValidName(share)) return std::nullopt;
        resolved.root = rest.substr(0, shareEnd);
        rest = rest.substr(shareEnd);
    } else if (rest.size() >= 2 && rest[1] == ':' && IsLetter(rest[0])) {
        resolved.root = {static_cast<char>(rest[0] & ~0x20), ':'};
        rest = rest.substr(2);
        if (!rest.starts_with("\\")) {  // "C:name": relative to the current directory when it is on C:
            std::optional<WindowsPath> base = ResolveWindowsPath(currentDirectory, {});
            if (base && MbcsText::EqualNoCase(base->root, resolved.root)) resolved = *base;
        }
    } else {
        std::optional<WindowsPath> base = ResolveWindowsPath(currentDirectory, {});
        if (!base) return std::nullopt;
        resolved = *base;
        if (rest.starts_with("\\")) resolved.names.clear();
    }
    if (!AppendNames(resolved, rest)) return std::nullopt;
    return resolved;
}
