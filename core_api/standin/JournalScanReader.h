// Reads the journal lines of one journal list, chunk by chunk, in one plain pass over the
// bytes: no tree, no library, so every build has it (the Windows build reads its journals with
// it). It takes exactly the JSON that the plain reading takes, and names a line that does not
// fit as the other readers do.
#pragma once

#include "core_api/standin/AccountingCalendar.h"
#include "core_api/standin/Books.h"
#include "core_api/standin/BooksInput.h"
#include "core_api/standin/BooksSplitter.h"

#include <string>
#include <vector>

namespace StandIn {

class JournalScanReader {
public:
    // Appends the lines of journal to lines.
    void Read(const BooksInput& input, const JournalExtent& journal, const AccountingCalendar& calendar,
              std::vector<BookLine>& lines);

private:
    std::string buffer_;
};

}  // namespace StandIn
