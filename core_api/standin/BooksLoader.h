// Loads the books from JSON as a stream (the journal is never held as a document tree).
// A books file that cannot be read or does not fit the format throws WorldError with one
// line: the file, the key path and the problem.
#pragma once

#include "core_api/standin/Books.h"

#include <string>
#include <string_view>

namespace StandIn {

Books ReadBooksFile(const std::string& hostPath);
// name stands for the file in messages.
Books ReadBooksText(std::string_view utf8Json, const std::string& name);

}  // namespace StandIn
