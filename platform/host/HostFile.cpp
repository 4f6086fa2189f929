// CFile over host files: share modes as Windows enforces them between opens (flock), create
// that truncates only after the share check, one system write per Write call.
#include "platform/CFile.h"
#include "platform/ServiceSeams.h"
#include "platform/host/HostWorld.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

using HostFile = BackendFile<int>;

HostFile* Of(void* handle) { return HostFile::Of(handle); }

constexpr const char* kCall = "CreateFileA";

// Exclusive opens (and MFC's compatibility mode) lock out every other open; the others share.
bool Exclusive(UINT flags) {
    const UINT share = flags & 0x70;
    return share == CFile::shareExclusive || share == 0;
}

// A short write leaves no part behind, as the whole-or-nothing contract promises.
void TakeBack(int fd, ssize_t written) {
    const off_t end = ::lseek(fd, 0, SEEK_CUR) - written;
    if (end >= 0 && ::ftruncate(fd, end) == 0) ::lseek(fd, end, SEEK_SET);
}

}  // namespace

CFile::~CFile() { Close(); }

BOOL CFile::Open(const std::string& path, UINT flags) {
    Close();
    HostWorld& world = World();
    const FileOpening opening(flags);
    const bool changes = opening.Changes();
    std::optional<WindowsPath> resolved = world.Resolve(path);
    std::optional<std::string> host = resolved ? world.drives.ToHost(*resolved) : std::nullopt;
    if (!host || resolved->names.empty()) return world.FailedUnreachable(kCall, path, changes);

    const std::string& name = resolved->names.back();
    if (const DWORD refused = opening.InjectedRefusal(name))
        return world.Failed(kCall, path, refused, refused == ERROR_ACCESS_DENIED ? EACCES : EBUSY);
    const bool createNew = opening.createNew, create = opening.create, writable = opening.writable;
    int access = O_RDONLY;
    if (flags & modeReadWrite) access = O_RDWR;
    else if (flags & modeWrite) access = O_WRONLY;
    const int creation = createNew ? O_CREAT | O_EXCL : create ? O_CREAT : 0;
    const int fd = ::open(host->c_str(), access | creation | O_CLOEXEC, 0666);
    if (fd < 0 && errno == ENOENT && create) return world.Failed(kCall, path, ERROR_PATH_NOT_FOUND, ENOENT);
    if (fd < 0) return world.FailedWithErrno(kCall, path, changes);
    struct stat status;
    bool usable = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (!usable) errno = EISDIR;
    usable = usable && ::flock(fd, (Exclusive(flags) ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0 &&
             (!create || createNew || ::ftruncate(fd, 0) == 0);
    if (!usable) {
        world.FailedWithErrno(kCall, path, changes);
        ::close(fd);
        return FALSE;
    }
    handle_ = new HostFile{fd, writable, path};
    return TRUE;
}

BOOL CFile::Write(const void* data, UINT count) {
    HostFile* file = Of(handle_);
    if (!file || !file->writable) return FALSE;
    HostWorld& world = World();
    int error = ENOSPC;  // an injected failure stands for a full disk
    const bool written = SeamedWrite(count, [&] {
        const ssize_t written = ::write(file->handle, data, count);
        if (written < 0) error = errno;
        if (written > 0 && written != static_cast<ssize_t>(count)) TakeBack(file->handle, written);
        return written == static_cast<ssize_t>(count);
    });
    if (written) return TRUE;
    errno = error;
    return world.FailedWithErrno("WriteFile", file->path);
}

UINT CFile::Read(void* buffer, UINT count) {
    HostFile* file = Of(handle_);
    if (!file) return 0;
    UINT total = 0;
    while (total < count) {
        const ssize_t got = ::read(file->handle, static_cast<char*>(buffer) + total, count - total);
        if (got <= 0) break;
        total += static_cast<UINT>(got);
    }
    return total;
}

std::uint64_t CFile::GetLength() const {
    const HostFile* file = Of(handle_);
    struct stat status;
    return file && ::fstat(file->handle, &status) == 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
}

void CFile::Close() {
    if (HostFile* file = Of(handle_)) {
        ::close(file->handle);  // releases the lock
        delete file;
    }
    handle_ = nullptr;
}
