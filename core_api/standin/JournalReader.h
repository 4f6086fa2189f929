// Reads the journal lines of one journal list, chunk by chunk, with simdjson's On-Demand API:
// keys map to an enum, values are decoded straight into the line, month positions come from
// the data set's calendar. A line that does not fit throws BooksFormatError naming the line,
// the key and the problem; text that is not JSON names the byte of the file where it stopped.
#pragma once

#include "core_api/standin/AccountingCalendar.h"
#include "core_api/standin/Books.h"
#include "core_api/standin/BooksInput.h"
#include "core_api/standin/BooksSplitter.h"

#include <memory>
#include <vector>

namespace StandIn {

class JournalReader {
public:
    JournalReader();
    ~JournalReader();

    // Appends the lines of journal to lines.
    void Read(const BooksInput& input, const JournalExtent& journal, const AccountingCalendar& calendar,
              std::vector<BookLine>& lines);

private:
    struct Parser;
    std::unique_ptr<Parser> parser_;
};

}  // namespace StandIn
