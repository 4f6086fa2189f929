// The plain reading of books, kept for tests only: the whole text read as one tree, the way the
// stand-in read books before it split them, and every journal line read from that tree. The
// loader's fast paths (the split, the chunked journal readers) must give the same Books and
// the same errors as this.
#pragma once

#include "core_api/standin/Books.h"

#include <string>
#include <string_view>

namespace StandIn {

// WorldError "name: key path: problem" when the books do not fit the format.
Books ReadBooksReference(std::string_view utf8Json, const std::string& name);

}  // namespace StandIn
