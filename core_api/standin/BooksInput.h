// The bytes of a books file or text, read by position: the loader reads the part before and
// after the journals first and each journal's bytes when they are needed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace StandIn {

class BooksInput {
public:
    // A host file; WorldError naming it when it cannot be opened.
    static BooksInput File(const std::string& hostPath);
    // Text that outlives the input.
    static BooksInput Text(std::string_view utf8Json, const std::string& name);

    BooksInput(BooksInput&& other) noexcept;
    BooksInput& operator=(BooksInput&& other) noexcept;
    BooksInput(const BooksInput&) = delete;
    BooksInput& operator=(const BooksInput&) = delete;
    ~BooksInput();

    const std::string& Name() const { return name_; }
    std::uint64_t Size() const { return size_; }
    // Reads length bytes at offset into into; WorldError when the file cannot be read.
    void Read(std::uint64_t offset, std::size_t length, char* into) const;

private:
    BooksInput() = default;

    std::string name_;
    int fd_ = -1;
    std::string_view text_;
    std::uint64_t size_ = 0;
};

}  // namespace StandIn
