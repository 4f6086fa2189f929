#include "core_api/standin/BooksInput.h"

#include "core_api/standin/BooksFile.h"
#include "platform/WorldError.h"

#include <cerrno>
#include <cstring>

namespace StandIn {

namespace {

[[noreturn]] void Unreadable(const std::string& name, int error) {
    throw WorldError(name + ": the books file cannot be read: " + std::strerror(error));
}

}  // namespace

BooksInput BooksInput::File(const std::string& path) {
    BooksInput input;
    input.name_ = path;
    input.fd_ = OpenBooksFile(path);
    if (input.fd_ < 0) Unreadable(path, errno);
    if (const int error = RegularFileSize(input.fd_, input.size_)) Unreadable(path, error);  // the destructor closes it
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
    if (fd_ >= 0) CloseBooksFile(fd_);
    name_ = std::move(other.name_);
    fd_ = other.fd_;
    text_ = other.text_;
    size_ = other.size_;
    other.fd_ = -1;
    return *this;
}

BooksInput::~BooksInput() {
    if (fd_ >= 0) CloseBooksFile(fd_);
}

void BooksInput::Read(std::uint64_t offset, std::size_t length, char* into) const {
    if (fd_ < 0) {
        std::memcpy(into, text_.data() + offset, length);
        return;
    }
    if (!ReadBooksFile(fd_, offset, length, into)) Unreadable(name_, errno);
}

}  // namespace StandIn
