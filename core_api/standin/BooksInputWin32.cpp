// The books file of the Windows build, read by position through the C runtime's low-level
// files (a Windows path in the system code page).
#include "core_api/standin/BooksInput.h"

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

BooksInput BooksInput::File(const std::string& path) {
    BooksInput input;
    input.name_ = path;
    input.fd_ = ::_open(path.c_str(), _O_RDONLY | _O_BINARY);
    struct _stati64 info {};
    if (input.fd_ < 0 || ::_fstati64(input.fd_, &info) != 0) Unreadable(path);
    if ((info.st_mode & _S_IFMT) != _S_IFREG) {
        errno = (info.st_mode & _S_IFMT) == _S_IFDIR ? EISDIR : EINVAL;
        Unreadable(path);
    }
    input.size_ = static_cast<std::uint64_t>(info.st_size);
    return input;
}

BooksInput BooksInput::Text(std::string_view utf8Json, const std::string& name) {
    BooksInput input;
    input.name_ = name;
    input.text_ = utf8Json;
    input.size_ = utf8Json.size();
    return input;
}

BooksInput::BooksInput(BooksInput&& other) noexcept { *this = std::move(other); }

BooksInput& BooksInput::operator=(BooksInput&& other) noexcept {
    if (this == &other) return *this;
    if (fd_ >= 0) ::_close(fd_);
    name_ = std::move(other.name_);
    fd_ = other.fd_;
    text_ = other.text_;
    size_ = other.size_;
    other.fd_ = -1;
    return *this;
}

BooksInput::~BooksInput() {
    if (fd_ >= 0) ::_close(fd_);
}

void BooksInput::Read(std::uint64_t offset, std::size_t length, char* into) const {
    if (fd_ < 0) {
        std::memcpy(into, text_.data() + offset, length);
        return;
    }
    if (::_lseeki64(fd_, static_cast<__int64>(offset), SEEK_SET) < 0) Unreadable(name_);
    while (length > 0) {
        const int n = ::_read(fd_, into, static_cast<unsigned>(length > 0x40000000 ? 0x40000000 : length));
        if (n <= 0) {
            if (n == 0) errno = EIO;  // the file became shorter while it was read
            Unreadable(name_);
        }
        into += n;
        length -= static_cast<std::size_t>(n);
    }
}

}  // namespace StandIn
