// The books file through POSIX: positioned reads, read ahead in sequence.
#include "core_api/standin/BooksFile.h"

#include "platform/WorldError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace StandIn {

namespace {

[[noreturn]] void Unreadable(const std::string& name) {
    throw WorldError(name + ": (top level): the books file cannot be read: " + std::strerror(errno));
}

}  // namespace

int OpenBooksFile(const std::string& path, std::uint64_t& size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0) Unreadable(path);
    const bool found = ::fstat(fd, &info) == 0;
    if (!found || !S_ISREG(info.st_mode)) {
        const int error = !found ? errno : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = error;
        Unreadable(path);
    }
    size = static_cast<std::uint64_t>(info.st_size);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return fd;
}

void ReadBooksFile(int fd, const std::string& name, std::uint64_t offset, std::size_t length, char* into) {
    while (length > 0) {
        ssize_t n = ::pread(fd, into, length, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;  // the file became shorter while it was read
            Unreadable(name);
        }
        into += n;
        offset += static_cast<std::uint64_t>(n);
        length -= static_cast<std::size_t>(n);
    }
}

void CloseBooksFile(int fd) { ::close(fd); }

}  // namespace StandIn
