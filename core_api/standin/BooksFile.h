// The system's file calls behind BooksInput, one file per system (POSIX, the Windows C runtime).
// They answer errno's reason; what counts as a books file and the messages are BooksInput's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace StandIn {

// A descriptor open for reading, or -1 with errno set.
int OpenBooksFile(const std::string& path);
// 0 and the size of the open file when it is a regular file; otherwise the errno value that
// says why not (EISDIR for a folder).
int RegularFileSize(int fd, std::uint64_t& size);
// Reads length bytes at offset, all of them; false with errno set otherwise (EIO when the
// file ended early).
bool ReadBooksFile(int fd, std::uint64_t offset, std::size_t length, char* into);
void CloseBooksFile(int fd);

}  // namespace StandIn
