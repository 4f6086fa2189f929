#include "platform/host/HostWorld.h"

#include "platform/FrameworkObserver.h"
#include "platform/WorldError.h"
#include "platform/TextCodec.h"

#include <cerrno>
#include <cstring>

namespace {

// The full path Windows takes, without its terminator.
constexpr std::size_t kLongestPath = MAX_PATH - 1;

// The Windows error that the host's errno stands for.
DWORD WindowsCode(int error) {
    switch (error) {
        case ENOENT: return ERROR_FILE_NOT_FOUND;
        case ENOTDIR: return ERROR_PATH_NOT_FOUND;
        case EEXIST: return ERROR_FILE_EXISTS;
        case EWOULDBLOCK: return ERROR_SHARING_VIOLATION;
        case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
        case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
        case ENOSPC: return ERROR_DISK_FULL;
        case EINVAL: return ERROR_INVALID_NAME;
        default: return ERROR_ACCESS_DENIED;  // EACCES, EPERM, EROFS, EISDIR and the rest
    }
}

}  // namespace

HostWorld& World() {
    static HostWorld* world = new HostWorld;  // outlives every static object of the program
    return *world;
}

std::optional<WindowsPath> HostWorld::Resolve(const std::string& windowsPath) const {
    std::optional<WindowsPath> path = ResolveWindowsPath(windowsPath, currentDirectory);
    if (path && path->Text().size() > kLongestPath) return std::nullopt;
    return path;
}

BOOL HostWorld::Failed(const char* call, const std::string& path, DWORD code, int error, bool reported) {
    lastError = code;
    if (reported) Observer().CallFailed(call, path, code, std::strerror(error));
    return FALSE;
}

BOOL HostWorld::FailedWithErrno(const char* call, const std::string& path, bool reported) {
    const int error = errno;
    return Failed(call, path, WindowsCode(error), error, reported);
}

BOOL HostWorld::FailedUnreachable(const char* call, const std::string& path, bool reported) {
    const std::optional<WindowsPath> resolved = ResolveWindowsPath(path, currentDirectory);
    if (!resolved) return Failed(call, path, ERROR_INVALID_NAME, EINVAL, reported);
    if (resolved->Text().size() > kLongestPath)
        return Failed(call, path, ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG, reported);
    return Failed(call, path, ERROR_PATH_NOT_FOUND, ENOENT, reported);
}

std::optional<std::string> HostWorld::HostPath(const std::string& windowsPath) const {
    std::optional<WindowsPath> path = Resolve(windowsPath);
    return path ? drives.ToHost(*path) : std::nullopt;
}
