// Loads the books from JSON. The head (everything but the journal lines) is read as a tree;
// each journal is read chunk by chunk with a parser made for speed, never as a tree. A books
// file that cannot be read or does not fit the format throws WorldError with one line: the
// file, the key path and the problem.
#pragma once

#include "core_api/standin/Books.h"
#include "core_api/standin/BooksInput.h"
#include "core_api/standin/BooksSplitter.h"
#include "core_api/standin/BooksValues.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace StandIn {

// Lines per chunk of a journal: a few megabytes of text, read and parsed at a time.
inline constexpr std::size_t kLinesPerChunk = 16384;

// The journal readers: the build's own (the fastest it has), or the plain scan that every build
// has and the Windows build uses.
enum class JournalReading { Build, Scan };

struct BooksReadOptions {
    std::size_t linesPerChunk = kLinesPerChunk;
    JournalReading journals = JournalReading::Build;
};

// The journals of books whose head has been read: read when they are first needed.
class PendingJournals {
public:
    PendingJournals(BooksInput&& input, std::vector<JournalExtent>&& journals, JournalReading reading);
    ~PendingJournals();
    // Fills the journal of each data set; WorldError when a journal does not fit the format.
    void ReadInto(Books& books);

private:
    template <typename Reader>
    void ReadAllWith(Books& books);

    BooksInput input_;
    std::vector<JournalExtent> journals_;
    JournalReading reading_;
};

struct BooksHead {
    Books books;  // journals still empty
    std::unique_ptr<PendingJournals> journals;  // nullptr: the books hold no journal list
};

// The head of a books file; its journals stay in the file until ReadInto.
BooksHead ReadBooksHeadFile(const std::string& hostPath);
// The whole books.
Books ReadBooksFile(const std::string& hostPath);
// name stands for the text in messages.
Books ReadBooksText(std::string_view utf8Json, const std::string& name, const BooksReadOptions& options = {});

// Everything of the books but the journal lines, from the tree of the books (or of their head).
Books ReadBooksHead(const Json& root);
// The WorldError of books that do not fit the format: the name, the key path and the problem.
[[noreturn]] void RefuseBooks(const std::string& name, const BooksFormatError& error);

}  // namespace StandIn
