// Loads the books from JSON. The head (everything but the journal lines) is read as a tree;
// each journal is read chunk by chunk with a parser made for speed, never as a tree. A books
// file that cannot be read or does not fit the format throws WorldError with one line: the
// file, the key path and the problem.
#pragma once

#include "core_api/standin/Books.h"
#include "core_api/standin/BooksInput.h"
#include "core_api/standin/BooksSplitter.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace StandIn {

// The journals of books whose head has been read: read when they are first needed.
class PendingJournals {
public:
    PendingJournals(BooksInput&& input, std::vector<JournalExtent>&& journals);
    ~PendingJournals();
    // Fills the journal of each data set; WorldError when a journal does not fit the format.
    void ReadInto(Books& books);

private:
    BooksInput input_;
    std::vector<JournalExtent> journals_;
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
Books ReadBooksText(std::string_view utf8Json, const std::string& name);

}  // namespace StandIn
