// A books file that does not fit the format: the key path and the problem. The loader adds
// the file name and turns it into a WorldError.
#pragma once

#include <stdexcept>
#include <string>

namespace StandIn {

struct BooksFormatError : std::runtime_error {
    BooksFormatError(std::string keyPath, const std::string& problem)
        : std::runtime_error(problem), path(std::move(keyPath)) {}
    std::string path;
};

// A key path built only when an error is reported: "dataSets[0].journal[12].debit.amount".
struct KeyPath {
    const KeyPath* parent = nullptr;
    const char* key = nullptr;  // nullptr: an array index
    long index = 0;

    KeyPath Key(const char* k) const { return KeyPath{this, k, 0}; }
    KeyPath Index(long i) const { return KeyPath{this, nullptr, i}; }
    std::string Text() const;
    [[noreturn]] void Fail(const std::string& problem) const { throw BooksFormatError(Text(), problem); }
};

}  // namespace StandIn
