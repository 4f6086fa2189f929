// The system's file calls behind BooksInput, one file per system (POSIX, the Windows C runtime).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace StandIn {

// Opens a regular file for reading and answers its descriptor and size; WorldError naming it
// when it cannot be opened or is no regular file.
int OpenBooksFile(const std::string& path, std::uint64_t& size);
// Reads length bytes at offset, all of them; WorldError naming the file otherwise.
void ReadBooksFile(int fd, const std::string& name, std::uint64_t offset, std::size_t length, char* into);
void CloseBooksFile(int fd);

}  // namespace StandIn
