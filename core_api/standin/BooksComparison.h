// Two readings of the same books compared field by field, for the tests that hold the loader's
// fast paths to the plain reading.
#pragma once

#include "core_api/standin/Books.h"

#include <functional>
#include <string>

namespace StandIn {

// "" when a and b hold the same books; else where they first differ ("dataSets[1].journal[7]").
std::string FirstDifference(const Books& a, const Books& b);

// One reading of books: the books, or the one-line error that refused them.
struct BooksReading {
    bool loaded = false;
    std::string error;
    Books books;
};
BooksReading ReadingOf(const std::function<Books()>& read);

// "" when a fast reading agrees with the plain one: the same books, or both refused with the
// same error. Text that is not JSON may be found before or after the other problems of the
// books (the fast loader reads the journals last), so there any error of both agrees.
std::string Disagreement(const BooksReading& fast, const BooksReading& plain);

}  // namespace StandIn
