#include "core_api/standin/BooksReference.h"

#include "core_api/standin/AccountingCalendar.h"
#include "core_api/standin/BooksLoader.h"
#include "core_api/standin/BooksSax.h"
#include "core_api/standin/JournalLineTree.h"

namespace StandIn {

namespace {

// The lines of one journal list. A date outside the period is reported after the lines' own
// problems, at the first such line.
void ReadJournal(const Json& list, const KeyPath& path, BookDataSet& dataSet) {
    const StDATAINFO& info = dataSet.info;
    AccountingCalendar calendar(info.periodFirst, info.periodLast, AccountingCalendar::ClosingDayOf(info.periodLast));
    long outsideLine = -1;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const KeyPath at = path.Index(static_cast<long>(i));
        Closing closing = Closing::None;
        BookLine line = ReadJournalLine(list[i], at, closing);
        const int position = calendar.PositionOf(line.date);
        if (position == 0 && outsideLine < 0) outsideLine = static_cast<long>(i);
        line.SetMonthKind(MonthKindOf(closing, position));
        dataSet.journal.push_back(line);
    }
    if (outsideLine >= 0) {
        const std::int32_t date = dataSet.journal[static_cast<std::size_t>(outsideLine)].date;
        path.Index(outsideLine).Key("date").Fail("the date " + std::to_string(date) + " is outside the accounting period");
    }
}

}  // namespace

Books ReadBooksReference(std::string_view utf8Json, const std::string& name) {
    try {
        const SplitBooks unsplit;  // nothing cut out: positions are the text's own
        BooksSax sax(unsplit);
        Json::sax_parse(utf8Json, &sax);
        const Json& root = sax.Root();
        Books books = ReadBooksHead(root);
        const KeyPath top;
        const KeyPath dataSetsPath = top.Key("dataSets");
        for (std::size_t i = 0; i < books.dataSets.size(); ++i) {
            const KeyPath setPath = dataSetsPath.Index(static_cast<long>(i));
            if (const Json* list = Member(root["dataSets"][i], "journal"))
                ReadJournal(*list, setPath.Key("journal"), books.dataSets[i]);
        }
        return books;
    } catch (const BooksFormatError& e) {
        RefuseBooks(name, e);
    }
}

}  // namespace StandIn
