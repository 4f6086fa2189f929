// The books file through the Windows C runtime's low-level files (a path in the system code page).
#include "core_api/standin/BooksFile.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>

namespace StandIn {

int OpenBooksFile(const std::string& path) { return ::_open(path.c_str(), _O_RDONLY | _O_BINARY); }

int RegularFileSize(int fd, std::uint64_t& size) {
    struct _stati64 info {};
    if (::_fstati64(fd, &info) != 0) return errno;
    const unsigned kind = info.st_mode & _S_IFMT;
    if (kind != _S_IFREG) return kind == _S_IFDIR ? EISDIR : EINVAL;
    size = static_cast<std::uint64_t>(info.st_size);
    return 0;
}

bool ReadBooksFile(int fd, std::uint64_t offset, std::size_t length, char* into) {
    if (::_lseeki64(fd, static_cast<__int64>(offset), SEEK_SET) < 0) return false;
    while (length > 0) {
        const int n = ::_read(fd, into, static_cast<unsigned>(length > 0x40000000 ? 0x40000000 : length));
        if (n <= 0) {
            if (n == 0) errno = EIO;  // the file became shorter while it was read
            return false;
        }
        into += n;
        length -= static_cast<std::size_t>(n);
    }
    return true;
}

void CloseBooksFile(int fd) { ::_close(fd); }

}  // namespace StandIn
