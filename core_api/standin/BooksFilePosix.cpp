// The books file through POSIX: positioned reads, read ahead in sequence.
#include "core_api/standin/BooksFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace StandIn {

int OpenBooksFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return fd;
}

int RegularFileSize(int fd, std::uint64_t& size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return errno;
    if (!S_ISREG(info.st_mode)) return S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    size = static_cast<std::uint64_t>(info.st_size);
    return 0;
}

bool ReadBooksFile(int fd, std::uint64_t offset, std::size_t length, char* into) {
    while (length > 0) {
        const ssize_t n = ::pread(fd, into, length, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;  // the file became shorter while it was read
            return false;
        }
        into += n;
        offset += static_cast<std::uint64_t>(n);
        length -= static_cast<std::size_t>(n);
    }
    return true;
}

void CloseBooksFile(int fd) { ::close(fd); }

}  // namespace StandIn
