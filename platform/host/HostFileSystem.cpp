// Module path, current directory, drives, attributes and folders through the drive table.
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "platform/ServiceSeams.h"
#include "platform/host/HostWorld.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

bool HostIsFolder(const std::string& hostPath) {
    struct stat status;
    return ::stat(hostPath.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Windows moves no file that is open (our opens never share deletion); the host's opens of a
// file hold its flock, which shows whether one is open, in this process or another.
bool HeldOpen(const std::string& hostPath) {
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);  // releases the probe's own lock
    return held;
}

}  // namespace

namespace platform {

std::string GetModuleFileName() { return World().modulePath; }

std::string GetCurrentDirectory() {
    const HostWorld& world = World();
    return Seams().LosesCurrentDirectory() ? std::string() : world.currentDirectory;
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
    constexpr const char* kCall = "CreateDirectoryA";
    std::optional<WindowsPath> resolved = world.Resolve(path);
    std::optional<std::string> host = resolved ? world.drives.ToHost(*resolved) : std::nullopt;
    if (!host || resolved->names.empty()) return world.FailedUnreachable(kCall, path);
    if (Seams().RefusesFolder(resolved->names.back())) return world.Failed(kCall, path, ERROR_ACCESS_DENIED, EACCES);
    if (::mkdir(host->c_str(), 0777) == 0) return TRUE;
    if (errno == EEXIST) return world.Failed(kCall, path, ERROR_ALREADY_EXISTS, EEXIST);
    if (errno == ENOENT) return world.Failed(kCall, path, ERROR_PATH_NOT_FOUND, ENOENT);
    return world.FailedWithErrno(kCall, path);
}

BOOL RemoveDirectory(const std::string& path) {
    HostWorld& world = World();
    std::optional<std::string> host = world.HostPath(path);
    if (!host) return world.FailedUnreachable("RemoveDirectoryA", path);
    return ::rmdir(host->c_str()) == 0 || world.FailedWithErrno("RemoveDirectoryA", path);
}

BOOL DeleteFile(const std::string& path) {
    HostWorld& world = World();
    std::optional<std::string> host = world.HostPath(path);
    if (!host) return world.FailedUnreachable("DeleteFileA", path);
    if (HostIsFolder(*host)) return world.Failed("DeleteFileA", path, ERROR_ACCESS_DENIED, EISDIR);
    return ::unlink(host->c_str()) == 0 || world.FailedWithErrno("DeleteFileA", path);
}

BOOL ReplaceFile(const std::string& replacement, const std::string& target) {
    HostWorld& world = World();
    constexpr const char* kCall = "MoveFileExA";
    std::optional<std::string> from = world.HostPath(replacement);
    std::optional<WindowsPath> resolved = world.Resolve(target);
    std::optional<std::string> to = world.HostPath(target);
    if (!from) return world.FailedUnreachable(kCall, replacement);
    if (!to || resolved->names.empty()) return world.FailedUnreachable(kCall, target);
    const std::string& name = resolved->names.back();
    if (Seams().RefusesReplace(name) || HostIsFolder(*to)) return world.Failed(kCall, target, ERROR_ACCESS_DENIED, EACCES);
    if (Seams().HoldsBusy(name, true) || HeldOpen(*from) || HeldOpen(*to))
        return world.Failed(kCall, target, ERROR_SHARING_VIOLATION, EBUSY);
    // One step: the old or the new content.
    return std::rename(from->c_str(), to->c_str()) == 0 || world.FailedWithErrno(kCall, target);
}

DWORD GetLastError() { return World().lastError; }

}  // namespace platform
