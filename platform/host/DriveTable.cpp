#include "platform/host/DriveTable.h"

#include "platform/MbcsText.h"
#include "platform/WorldError.h"
#include "platform/TextCodec.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr std::pair<std::string_view, UINT> kTypes[] = {
    {"fixed", DRIVE_FIXED}, {"removable", DRIVE_REMOVABLE}, {"remote", DRIVE_REMOTE},
    {"cdrom", DRIVE_CDROM}, {"ramdisk", DRIVE_RAMDISK},     {"unknown", DRIVE_UNKNOWN},
};

[[noreturn]] void Malformed(std::string_view entry, const std::string& problem) {
    throw WorldError("TXLINK_DRIVES entry '" + std::string(entry) + "': " + problem);
}

std::string ParseRoot(std::string_view root, std::string_view entry) {
    if (root.size() == 2 && root[1] == ':' && std::isalpha(static_cast<unsigned char>(root[0])))
        return {static_cast<char>(std::toupper(static_cast<unsigned char>(root[0]))), ':'};
    std::optional<std::string> share = TextCodec::ToCp932(root);
    std::optional<WindowsPath> path = share ? ResolveWindowsPath(*share, {}) : std::nullopt;
    if (!root.starts_with("\\\\") || !path || !path->names.empty())
        Malformed(entry, "the drive must be a letter and a colon (C:) or a share (\\\\server\\share)");
    return path->root;
}

std::string NormalHostDir(std::string_view dir, std::string_view entry) {
    if (!dir.starts_with("/")) Malformed(entry, "the host folder must be an absolute path");
    std::string normal = std::filesystem::path(dir).lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
    return normal;
}

// ASCII letters compared without case, as Windows compares the names of a folder.
bool SameHostName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string MatchName(const std::string& dir, const std::string& name) {
    struct stat status;
    if (::lstat((dir + "/" + name).c_str(), &status) == 0) return name;
    std::string match = name;
    if (DIR* folder = ::opendir(dir.c_str())) {
        while (const dirent* item = ::readdir(folder)) {
            if (SameHostName(item->d_name, name)) {
                match = item->d_name;
                break;
            }
        }
        ::closedir(folder);
    }
    return match;
}

}  // namespace

DriveTable DriveTable::Parse(std::string_view text) {
    DriveTable table;
    for (const std::string_view entry : MbcsText::ListEntries(text, ';')) {
        const std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos) Malformed(entry, "expected DRIVE=HOSTDIR[,TYPE]");
        std::string_view dir = MbcsText::Trim(entry.substr(equals + 1));
        UINT type = DRIVE_FIXED;
        if (const std::size_t comma = dir.rfind(','); comma != std::string_view::npos) {
            const std::string_view name = MbcsText::Trim(dir.substr(comma + 1));
            const auto known = std::find_if(std::begin(kTypes), std::end(kTypes),
                                            [&](const auto& t) { return t.first == name; });
            if (known == std::end(kTypes))
                Malformed(entry, "unknown drive type '" + std::string(name) +
                                     "' (fixed, removable, remote, cdrom, ramdisk, unknown)");
            type = known->second;
            dir = MbcsText::Trim(dir.substr(0, comma));
        }
        const std::string root = ParseRoot(MbcsText::Trim(entry.substr(0, equals)), entry);
        if (table.Find(root)) Malformed(entry, "the drive is mapped twice");
        table.Add({root, NormalHostDir(dir, entry), type});
    }
    if (!table.Find("Z:")) table.Add({"Z:", "/", DRIVE_FIXED});
    return table;
}

std::optional<std::string> DriveTable::DefaultDriveC() {
    const char* home = std::getenv("HOME");
    if (!home || *home != '/') return std::nullopt;
    return NormalHostDir(std::string(home) + "/.txlink/drive_c", "C:");
}

DriveTable DriveTable::Default() {
    DriveTable table;
    if (const std::optional<std::string> driveC = DefaultDriveC()) {
        std::error_code ignored;
        std::filesystem::create_directories(*driveC, ignored);
        table.Add({"C:", *driveC, DRIVE_FIXED});
    }
    table.Add({"Z:", "/", DRIVE_FIXED});
    return table;
}

void DriveTable::Add(DriveEntry entry) { entries_.push_back(std::move(entry)); }

const DriveEntry* DriveTable::Find(std::string_view root) const {
    for (const DriveEntry& entry : entries_) {
        if (MbcsText::EqualNoCase(entry.root, root)) return &entry;
    }
    return nullptr;
}

std::optional<std::string> DriveTable::ToHost(const WindowsPath& path) const {
    const DriveEntry* entry = Find(path.root);
    if (!entry) return std::nullopt;
    std::string host = entry->hostDir;
    for (const std::string& name : path.names) {
        const std::string utf8 = TextCodec::ToUtf8(name);
        if (TextCodec::ToCp932(utf8) != name) return std::nullopt;  // no host name for it
        host = (host == "/" ? "" : host) + "/" + MatchName(host, utf8);
    }
    return host;
}

std::optional<std::string> DriveTable::ToWindows(std::string_view hostPath) const {
    if (!hostPath.starts_with("/")) return std::nullopt;
    const std::string normal = NormalHostDir(hostPath, hostPath);
    const DriveEntry* best = nullptr;
    for (const DriveEntry& entry : entries_) {
        const bool holds = entry.hostDir == "/" || normal == entry.hostDir || normal.starts_with(entry.hostDir + "/");
        if (holds && (!best || entry.hostDir.size() > best->hostDir.size())) best = &entry;
    }
    if (!best) return std::nullopt;
    std::string rest = best->hostDir == "/" ? normal.substr(1) : normal.substr(best->hostDir.size());
    if (rest.starts_with("/")) rest.erase(0, 1);
    std::replace(rest.begin(), rest.end(), '/', '\\');  // still UTF-8, where a slash is only a slash
    std::optional<std::string> names = TextCodec::ToCp932(rest);
    if (!names) return std::nullopt;
    return best->root + "\\" + *names;
}
