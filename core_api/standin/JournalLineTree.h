// A journal line read from a tree: the keys and values the fast readers take, and the same
// key path and problem when a line does not fit.
#pragma once

#include "core_api/standin/Books.h"
#include "core_api/standin/BooksValues.h"

namespace StandIn {

// closing is what the line's "closing" key says; the month position is left to the caller.
BookLine ReadJournalLine(const Json& value, const KeyPath& path, Closing& closing);

// The month position a line is served with: its accounting month, or the closing's own.
inline int MonthKindOf(Closing closing, int position) {
    return closing == Closing::Interim ? 15 : closing == Closing::YearEnd ? 18 : position;
}

}  // namespace StandIn
