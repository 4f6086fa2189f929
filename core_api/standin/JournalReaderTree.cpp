// The journal reader of the Windows build, where simdjson is not at hand: each chunk of lines
// is read as a tree. It takes the same keys and values as the fast reader and names the line,
// the key and the problem the same way; Windows runs serve small books.
#include "core_api/standin/BooksValues.h"
#include "core_api/standin/JournalReader.h"

#include <climits>
#include <string>

namespace StandIn {

namespace {

bool IsNote(const std::string& key) { return !key.empty() && key[0] == '_'; }

void ReadSide(const Json& value, const KeyPath& path, BookSide& side) {
    if (!value.is_object()) path.Fail("expected an object, found a value");
    for (const auto& [key, v] : value.items()) {
        if (IsNote(key) || v.is_null()) continue;
        const KeyPath at = path.Key(key.c_str());
        if (v.is_array()) at.Fail("a list is not a value of a journal line");
        if (v.is_object()) at.Fail("an object is not a value of a journal side");
        if (key == "amount") side.amount = ReadAmount(v, at);
        else if (key == "account") side.account = static_cast<std::int32_t>(ReadInteger(v, at, INT32_MIN, INT32_MAX));
        else if (key == "tax") side.tax = ReadAmount(v, at);
        else if (key == "category") side.category = static_cast<std::uint8_t>(ReadInteger(v, at, 0, 255));
        else if (key == "rate") side.rate = static_cast<std::int32_t>(ReadInteger(v, at, 0, 100000));
        else if (key == "department") side.department = static_cast<std::int32_t>(ReadInteger(v, at, INT32_MIN, INT32_MAX));
        else if (key == "reduced") side.reduced = ReadFlag(v, at);
        else if (key == "business") side.business = static_cast<std::uint8_t>(ReadInteger(v, at, 0, 6));
        else at.Fail("unknown key of a journal side");
    }
}

BookLine ReadLine(const Json& value, const KeyPath& path, Closing& closing) {
    if (!value.is_object()) path.Fail("a journal line must be an object");
    BookSide sides[2];
    BookLine line;
    bool hasDate = false;
    closing = Closing::None;
    for (const auto& [key, v] : value.items()) {
        if (IsNote(key)) continue;
        const KeyPath at = path.Key(key.c_str());
        if (v.is_array()) at.Fail("a list is not a value of a journal line");
        if (v.is_null()) continue;
        if (key == "debit" || key == "credit") {
            ReadSide(v, at, sides[key == "debit" ? 0 : 1]);
        } else if (v.is_object()) {
            at.Fail(key == "date" || key == "closing" ? "expected a value, found an object" : "unknown key of a journal line");
        } else if (key == "date") {
            line.date = ReadDate(v, at);
            hasDate = true;
        } else if (key == "closing") {
            if (v == "interim") closing = Closing::Interim;
            else if (v == "yearEnd") closing = Closing::YearEnd;
            else at.Fail("expected \"interim\" or \"yearEnd\"");
        } else {
            at.Fail("unknown key of a journal line");
        }
    }
    if (!hasDate) path.Key("date").Fail("a journal line needs a date");
    line.SetSide(1, sides[0]);
    line.SetSide(2, sides[1]);
    return line;
}

}  // namespace

struct JournalReader::Parser {};

JournalReader::JournalReader() = default;
JournalReader::~JournalReader() = default;

void JournalReader::Read(const BooksInput& input, const JournalExtent& journal, const AccountingCalendar& calendar,
                         std::vector<BookLine>& lines) {
    const KeyPath root;
    const KeyPath dataSets = root.Key("dataSets");
    const KeyPath set = dataSets.Index(static_cast<long>(journal.dataSet));
    const KeyPath journalPath = set.Key("journal");
    lines.reserve(lines.size() + journal.lines);
    // A date outside the period is reported after every line has been read, as the lines' own
    // problems come first.
    long outsideLine = -1;
    std::int32_t outsideDate = 0;
    std::string text;
    for (const JournalChunk& chunk : journal.chunks) {
        const std::size_t length = static_cast<std::size_t>(chunk.end - chunk.begin);
        text.assign(length + 2, ' ');
        text.front() = '[';
        input.Read(chunk.begin, length, text.data() + 1);
        text.back() = ']';
        const Json list = Json::parse(text, nullptr, false);
        if (list.is_discarded() || !list.is_array()) {
            journalPath.Index(static_cast<long>(chunk.firstLine))
                .Fail("not JSON near byte " + std::to_string(chunk.begin) + " of the file");
        }
        long index = static_cast<long>(chunk.firstLine);
        for (const Json& element : list) {
            const KeyPath at = journalPath.Index(index);
            Closing closing = Closing::None;
            BookLine line = ReadLine(element, at, closing);
            const int position = calendar.PositionOf(line.date);
            if (position == 0 && outsideLine < 0) outsideLine = index, outsideDate = line.date;
            line.SetMonthKind(closing == Closing::Interim ? 15 : closing == Closing::YearEnd ? 18 : position);
            lines.push_back(line);
            ++index;
        }
    }
    if (outsideLine >= 0) {
        journalPath.Index(outsideLine).Key("date").Fail("the date " + std::to_string(outsideDate) +
                                                        " is outside the accounting period");
    }
}

}  // namespace StandIn
