// Module path, current directory, drives, attributes and folders through the drive table.
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "platform/host/HostWorld.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool HostIsFolder(const std::string& hostPath) {
    struct stat status;
    return ::stat(hostPath.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}


}  // namespace

namespace platform {

std::string GetModuleFileName() { return World().modulePath; }

std::string GetCurrentDirectory() {
    const HostWorld& world = World();
    return world.faults.cwdFail ? std::string() : world.currentDirectory;
}

BOOL SetCurrentDirectory(const std::string& path) {
    HostWorld& world = World();
    std::optional<WindowsPath> resolved = world.Resolve(path);
    std::optional<std::string> host = resolved ? world.drives.ToHost(*resolved) : std::nullopt;
    if (!host || !HostIsFolder(*host)) return FALSE;
    world.currentDirectory = resolved->Text();
    return TRUE;
}

std::string GetTempPath() {
    HostWorld& world = World();
    if (world.drives.Find("C:")) {
        const std::string temp = "C:\\Temp";
        if (std::optional<std::string> host = world.drives.ToHost(*ResolveWindowsPath(temp, {})))
            ::mkdir(host->c_str(), 0777);
        return temp + "\\";
    }
    const char* tmpdir = std::getenv("TMPDIR");
    std::optional<std::string> windows = world.drives.ToWindows(tmpdir && *tmpdir == '/' ? tmpdir : "/tmp");
    if (!windows) return {};
    return windows->ends_with("\\") && windows->size() <= 3 ? *windows : *windows + "\\";
}

UINT GetDriveType(const std::string& rootPath) {
    HostWorld& world = World();
    const std::string withSlash = rootPath.size() == 2 && rootPath[1] == ':' ? rootPath + "\\" : rootPath;
    std::optional<WindowsPath> root = ResolveWindowsPath(withSlash, world.currentDirectory);
    if (!root || !root->names.empty()) return DRIVE_NO_ROOT_DIR;
    const DriveEntry* entry = world.drives.Find(root->root);
    return entry ? entry->type : DRIVE_NO_ROOT_DIR;
}

BOOL CanReadWrite(const std::string& path) {
    HostWorld& world = World();
    std::optional<WindowsPath> resolved = world.Resolve(path);
    const DriveEntry* entry = resolved ? world.drives.Find(resolved->root) : nullptr;
    std::optional<std::string> host = resolved ? world.drives.ToHost(*resolved) : std::nullopt;
    if (!entry || !host || entry->type == DRIVE_CDROM) return FALSE;  // a CD-ROM is never written
    return ::access(host->c_str(), R_OK | W_OK) == 0;
}

DWORD GetFileAttributes(const std::string& path) {
    HostWorld& world = World();
    std::optional<std::string> host = world.HostPath(path);
    struct stat status;
    if (!host || ::stat(host->c_str(), &status) != 0) return INVALID_FILE_ATTRIBUTES;
    if (S_ISDIR(status.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
    if (MbcsText::EndsWithBackslash(path)) return INVALID_FILE_ATTRIBUTES;  // "file\" names no file
    return ::access(host->c_str(), W_OK) == 0 ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

BOOL CreateDirectory(const std::string& path) {
    HostWorld& world = World();
    std::optional<WindowsPath> resolved = world.Resolve(path);
    if (!resolved || resolved->names.empty() || world.faults.RefusesFolder(resolved->names.back())) return FALSE;
    std::optional<std::string> host = world.drives.ToHost(*resolved);
    return host && ::mkdir(host->c_str(), 0777) == 0;
}

BOOL RemoveDirectory(const std::string& path) {
    std::optional<std::string> host = World().HostPath(path);
    return host && ::rmdir(host->c_str()) == 0;
}

BOOL DeleteFile(const std::string& path) {
    std::optional<std::string> host = World().HostPath(path);
    return host && !HostIsFolder(*host) && ::unlink(host->c_str()) == 0;
}

BOOL ReplaceFile(const std::string& replacement, const std::string& target) {
    HostWorld& world = World();
    std::optional<std::string> from = world.HostPath(replacement);
    std::optional<WindowsPath> resolved = world.Resolve(target);
    std::optional<std::string> to = world.HostPath(target);
    if (!from || !to || !resolved || resolved->names.empty()) return FALSE;
    if (world.faults.RefusesReplace(resolved->names.back()) || HostIsFolder(*to)) return FALSE;
    return std::rename(from->c_str(), to->c_str()) == 0;  // one step: the old or the new content
}

}  // namespace platform
