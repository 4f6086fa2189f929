// Splits books into their head (everything but the journal lines) and the byte ranges of each
// journal list, in one pass over the bytes. The head is small and read as a tree; the journal
// lines are read later, chunk by chunk, by JournalReader.
#pragma once

#include "core_api/standin/BooksInput.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace StandIn {

// Lines firstLine.. of a journal list: the bytes [begin, end) between two separating commas
// (or the brackets).
struct JournalChunk {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
    std::size_t firstLine = 0;
};

struct JournalExtent {
    std::size_t dataSet = 0;  // position in dataSets
    std::vector<JournalChunk> chunks;
    std::size_t lines = 0;  // counted by their separators: exact for well-formed books
    // The first control byte inside a string of the list, which JSON does not allow (the readers
    // may pass over a note's value without looking at it); UINT64_MAX when none.
    std::uint64_t controlByte = UINT64_MAX;
};

struct SplitBooks {
    // The books with every journal list emptied; its line breaks stay, so that the line and
    // column of anything after it stay those of the file.
    std::string head;
    std::vector<JournalExtent> journals;
    // (position in head, position in the file) at the closing bracket of each journal.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> marks;

    std::uint64_t FilePosition(std::uint64_t headPosition) const;
};

// The journal lists found are root.dataSets[i].journal; a chunk holds linesPerChunk lines.
SplitBooks SplitJournals(const BooksInput& input, std::size_t linesPerChunk);

}  // namespace StandIn
