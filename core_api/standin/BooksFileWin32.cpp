// The books file through the Windows C runtime's low-level files (a path in the system code page).
#include "core_api/standin/BooksFile.h"

#include "platform/WorldError.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace StandIn {

namespace {

[[noreturn]] void Unreadable(const std::string& name) {
    throw WorldError(name + ": (top level): the books file cannot be read: " + std::strerror(errno));
}

}  // namespace

int OpenBooksFile(const std::string& path, std::uint64_t& size) {
    const int fd = ::_open(path.c_str(), _O_RDONLY | _O_BINARY);
    struct _stati64 info {};
    if (fd < 0) Unreadable(path);
    const bool found = ::_fstati64(fd, &info) == 0;
    if (!found || (info.st_mode & _S_IFMT) != _S_IFREG) {
        const int error = !found ? errno : (info.st_mode & _S_IFMT) == _S_IFDIR ? EISDIR : EINVAL;
        ::_close(fd);
        errno = error;
        Unreadable(path);
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return fd;
}

void ReadBooksFile(int fd, const std::string& name, std::uint64_t offset, std::size_t length, char* into) {
    if (::_lseeki64(fd, static_cast<__int64>(offset), SEEK_SET) < 0) Unreadable(name);
    while (length > 0) {
        const int n = ::_read(fd, into, static_cast<unsigned>(length > 0x40000000 ? 0x40000000 : length));
        if (n <= 0) {
            if (n == 0) errno = EIO;  // the file became shorter while it was read
            Unreadable(name);
        }
        into += n;
        length -= static_cast<std::size_t>(n);
    }
}

void CloseBooksFile(int fd) { ::_close(fd); }

}  // namespace StandIn
