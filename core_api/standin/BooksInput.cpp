#include "core_api/standin/BooksInput.h"

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

BooksInput BooksInput::File(const std::string& hostPath) {
    BooksInput input;
    input.name_ = hostPath;
    input.fd_ = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (input.fd_ < 0 || ::fstat(input.fd_, &info) != 0) Unreadable(hostPath);
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        Unreadable(hostPath);
    }
    input.size_ = static_cast<std::uint64_t>(info.st_size);
    ::posix_fadvise(input.fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
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
    if (fd_ >= 0) ::close(fd_);
    name_ = std::move(other.name_);
    fd_ = other.fd_;
    text_ = other.text_;
    size_ = other.size_;
    other.fd_ = -1;
    return *this;
}

BooksInput::~BooksInput() {
    if (fd_ >= 0) ::close(fd_);
}

void BooksInput::Read(std::uint64_t offset, std::size_t length, char* into) const {
    if (fd_ < 0) {
        std::memcpy(into, text_.data() + offset, length);
        return;
    }
    while (length > 0) {
        ssize_t n = ::pread(fd_, into, length, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;  // the file became shorter while it was read
            Unreadable(name_);
        }
        into += n;
        offset += static_cast<std::uint64_t>(n);
        length -= static_cast<std::size_t>(n);
    }
}

}  // namespace StandIn
