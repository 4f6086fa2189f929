// CFile over host files: share modes as Windows enforces them between opens (flock), create
// that truncates only after the share check, one system write per Write call.
#include "platform/CFile.h"
#include "platform/host/HostWorld.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// A short write leaves no part behind, as the whole-or-nothing contract promises.
void TakeBack(int fd, ssize_t written) {
    const off_t end = ::lseek(fd, 0, SEEK_CUR) - written;
    if (end >= 0 && ::ftruncate(fd, end) == 0) ::lseek(fd, end, SEEK_SET);
}

class HostFile final : public OpenedFile {
public:
    HostFile(int fd, bool writable, const std::string& path) : OpenedFile(writable, path), fd_(fd) {}
    ~HostFile() override { ::close(fd_); }  // releases the lock

    bool WriteWhole(const void* data, UINT count) override {
        const ssize_t written = ::write(fd_, data, count);
        error_ = written < 0 ? errno : ENOSPC;
        if (written > 0 && written != static_cast<ssize_t>(count)) TakeBack(fd_, written);
        return written == static_cast<ssize_t>(count);
    }
    UINT ReadSome(void* buffer, UINT count) override {
        const ssize_t got = ::read(fd_, buffer, count);
        return got > 0 ? static_cast<UINT>(got) : 0;
    }
    std::uint64_t Length() const override {
        struct stat status;
        return ::fstat(fd_, &status) == 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
    }
    BOOL WriteFailed(bool injected) override {
        errno = injected ? ENOSPC : error_;
        return World().FailedWithErrno("WriteFile", Path());
    }

private:
    int fd_;
    int error_ = ENOSPC;
};

constexpr const char* kCall = "CreateFileA";

// Exclusive opens (and MFC's compatibility mode) lock out every other open; the others share.
bool Exclusive(UINT flags) {
    const UINT share = flags & 0x70;
    return share == CFile::shareExclusive || share == 0;
}

}  // namespace

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
    file_ = std::make_unique<HostFile>(fd, writable, path);
    return TRUE;
}
