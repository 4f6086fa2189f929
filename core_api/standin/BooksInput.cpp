#include "core_api/standin/BooksInput.h"

#include "core_api/standin/BooksFile.h"

#include <cstring>

namespace StandIn {

BooksInput BooksInput::File(const std::string& path) {
    BooksInput input;
    input.name_ = path;
    input.fd_ = OpenBooksFile(path, input.size_);
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
    ReadBooksFile(fd_, name_, offset, length, into);
}

}  // namespace StandIn
