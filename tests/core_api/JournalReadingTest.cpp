// The journal lines read with the fast reader: what the split between head and journal must
// get right (strings, escapes, nesting, chunk boundaries), the packed line, the journal read
// after the head, and journal conditions checked through tables.
#include "CoreTestSupport.h"

#include "core_api/standin/BooksLoader.h"
#include "core_api/standin/FindCondition.h"
#include "platform/WorldError.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

using namespace CoreTest;

namespace {

std::string BooksWith(const std::string& journalMember) {
    return R"({"dataSets": [{"id": "D1", "number": 1, "period": [20240401, 20250331], )" + journalMember +
           R"(, "assets": [{"date": 20240401, "name": "x]}"}]}]})";
}

std::string ErrorOf(const std::string& json, StandIn::JournalReading journals = StandIn::JournalReading::Build) {
    try {
        StandIn::ReadBooksText(json, "books text", {StandIn::kLinesPerChunk, journals});
    } catch (const WorldError& e) {
        return e.what();
    }
    return "(loaded)";
}

TEST(JournalReadingTest, StringsEscapesAndNotesDoNotConfuseTheSplit) {
    struct Case {
        const char* journal;
        std::size_t lines;
        std::int32_t lastDate;
    };
    const Case cases[] = {
        {R"("journal": [])", 0, 0},
        {R"("journal": [ {"date": 20240401} ])", 1, 20240401},
        {R"("journal": [{"date": 20240401, "_note": "a ] } , \" \\"}, {"date": 20240502}])", 2, 20240502},
        {R"("journal": [{"_n": [1, {"x": "]"}], "date": 20240401}, {"d\u0061te": 20240603}])", 2, 20240603},
        {R"("journ\u0061l": [{"date": 20240401}, {"date": 20240704}])", 2, 20240704},
        {"\"journal\": [\n{\"date\": 20240401},\n{\"date\": 20240805}\n]", 2, 20240805},
        {R"("_journal": [{"date": 1}], "journal": [{"date": 20240906}])", 1, 20240906},
    };
    for (const Case& c : cases) {
        StandIn::Books books = StandIn::ReadBooksText(BooksWith(c.journal), "books text");
        ASSERT_EQ(books.dataSets.size(), 1u) << c.journal;
        const auto& journal = books.dataSets[0].journal;
        EXPECT_EQ(journal.size(), c.lines) << c.journal;
        if (!journal.empty()) {
            EXPECT_EQ(journal.back().date, c.lastDate) << c.journal;
        }
        EXPECT_EQ(books.dataSets[0].assets.size(), 1u) << c.journal;
    }
}

// Lines across chunks (16,384 lines each) come back in order with their own values.
TEST(JournalReadingTest, LinesAcrossChunksKeepTheirOrder) {
    std::string journal = R"("journal": [)";
    const int count = 2 * 16384 + 3;
    for (int i = 0; i < count; ++i)
        journal += std::string(i ? "," : "") + R"({"date": 20240401, "debit": {"amount": )" + std::to_string(i) + "}}";
    journal += "]";
    StandIn::Books books = StandIn::ReadBooksText(BooksWith(journal), "books text");
    const auto& lines = books.dataSets[0].journal;
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(count));
    for (int i : {0, 16383, 16384, 16385, count - 1}) {
        EXPECT_EQ(lines[i].Side(1).amount, Yen(i)) << i;
    }
    EXPECT_EQ(lines[0].MonthKind(), 1);

    // A comma with nothing after it, also right at a chunk's end.
    std::string trailing = journal.substr(0, journal.size() - 1) + ",]";
    EXPECT_EQ(ErrorOf(BooksWith(trailing)).rfind("books text: dataSets[0].journal[32771]: not JSON near byte ", 0), 0u)
        << ErrorOf(BooksWith(trailing));
}

TEST(JournalReadingTest, ProblemsNameTheLineTheKeyAndTheByte) {
    struct Case {
        const char* journal;
        const char* error;  // the start of the message
    };
    const Case cases[] = {
        {R"("journal": [{"date": 20240401}, {"date": 20240401, "debit": {"amount": 1 "tax": 2}}])",
         "books text: dataSets[0].journal[1].debit: not JSON near byte "},
        {R"("journal": [{"date": 20240401, "debit": {"rate": 1.5}}])",
         "books text: dataSets[0].journal[0].debit.rate: expected an integer, found 1.5"},
        {R"("journal": [{"date": 20240401, "debit": {"amount": 99999999999999999999}}])",
         "books text: dataSets[0].journal[0].debit.amount: not an amount of yen with at most four fraction digits: 99999999999999999999"},
        {R"("journal": [{"date": 20240401, "debit": {"account": 18446744073709551615}}])",
         "books text: dataSets[0].journal[0].debit.account: integer out of range: 18446744073709551615"},
        {R"("journal": [{"date": 20240401, "debit": {"business": [1]}}])",
         "books text: dataSets[0].journal[0].debit.business: a list is not a value of a journal line"},
        {R"("journal": [{"date": 20240401, "debit": {"rate": {}}}])",
         "books text: dataSets[0].journal[0].debit.rate: an object is not a value of a journal side"},
        {R"("journal": [{"date": 20240401, "debit": {"colour": 1}}])",
         "books text: dataSets[0].journal[0].debit.colour: unknown key of a journal side"},
        {R"("journal": [{"date": {}}])", "books text: dataSets[0].journal[0].date: expected a value, found an object"},
        {R"("journal": [{"debit": 5, "date": 20240401}])",
         "books text: dataSets[0].journal[0].debit: expected an object, found a value"},
        {R"("journal": [{"date": 20240401}, {"debit": {}}])", "books text: dataSets[0].journal[1].date: a journal line needs a date"},
        {R"("journal": [{"date": 20240401}, "x"])", "books text: dataSets[0].journal[1]: a journal line must be an object"},
        // A line's own problem comes before an earlier line's date outside the period.
        {R"("journal": [{"date": 20230401}, {"date": 20240401, "closing": 1}])",
         "books text: dataSets[0].journal[1].closing: expected \"interim\" or \"yearEnd\""},
        {R"("journal": [{"date": 20240401}, {"date": 20240401]])", "books text: dataSets[0].journal[1]: not JSON near byte "},
        // A control character inside a string, also one of a note that a reader passes over.
        {"\"journal\": [{\"date\": 20240401, \"_note\": [\"a\x03\"]}]", "books text: dataSets[0].journal[0]: not JSON near byte "},
        // A word that only starts like a literal.
        {R"("journal": [{"date": null0401}])", "books text: dataSets[0].journal[0].date: not JSON near byte "},
        {R"("journal": [{"date": 20240401, "debit": {"reduced": truex}}])",
         "books text: dataSets[0].journal[0].debit.reduced: not JSON near byte "},
    };
    for (auto journals : {StandIn::JournalReading::Build, StandIn::JournalReading::Scan}) {
        for (const Case& c : cases) {
            std::string error = ErrorOf(BooksWith(c.journal), journals);
            EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.journal << "\n" << error;
            EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        }
    }
}

// A data set in front of the selected one whose journal list closes in the same 64 bytes as a
// string of its own begins: the split must still find the journals after it.
TEST(JournalReadingTest, ANeighboursJournalClosingBesideAStringHidesNoLaterJournal) {
    const std::string books =
        R"({"selection": [1, 1], "dataSets": [)"
        R"({"number": 3, "period": [20240401, 20250331], "journal": [{"date":20240401}],"company":")" +
        std::string(60, 'A') +
        R"("}, {"number": 1, "period": [20240401, 20250331], "journal": [{"date": 20240502}, {"date": 20240603}]}]})";
    for (auto journals : {StandIn::JournalReading::Build, StandIn::JournalReading::Scan}) {
        const StandIn::Books read = StandIn::ReadBooksText(books, "books text", {StandIn::kLinesPerChunk, journals});
        ASSERT_EQ(read.dataSets.size(), 2u);
        EXPECT_EQ(read.dataSets[0].journal.size(), 1u);
        ASSERT_EQ(read.dataSets[1].journal.size(), 2u);
        EXPECT_EQ(read.dataSets[1].journal[1].date, 20240603);
        EXPECT_EQ(std::string(read.dataSets[0].info.companyName), std::string(60, 'A'));
    }
}

// Books from a file: the head first, the journal when asked for, with the same message.
TEST(JournalReadingTest, JournalOfAFileIsReadAfterItsHead) {
    const std::string path = std::string(TXLINK_BINARY_DIR) + "/journal-reading-test.json";
    std::ofstream(path) << BooksWith(R"("journal": [{"date": 20240401}, {"date": 20240401, "debit": {"tax": "x"}}])");
    StandIn::BooksHead head = StandIn::ReadBooksHeadFile(path);
    ASSERT_EQ(head.books.dataSets.size(), 1u);
    EXPECT_TRUE(head.books.dataSets[0].journal.empty());
    ASSERT_NE(head.journals, nullptr);
    std::string later, whole;
    try {
        head.journals->ReadInto(head.books);
    } catch (const WorldError& e) {
        later = e.what();
    }
    try {
        StandIn::ReadBooksFile(path);
    } catch (const WorldError& e) {
        whole = e.what();
    }
    EXPECT_EQ(later, path + ": dataSets[0].journal[1].debit.tax: not an amount of yen with at most four fraction digits: \"x\"");
    EXPECT_EQ(later, whole);
    std::remove(path.c_str());
}

TEST(JournalReadingTest, PackedLineKeepsEverySideField) {
    StandIn::BookSide debit{INT64_MIN + 1, INT64_MAX, INT32_MIN, INT32_MAX, 100000, 255, 1, 6};
    StandIn::BookSide credit{-1, 0, 7, -8, 0, 0, 0, 0};
    StandIn::BookLine line;
    line.SetSide(1, debit);
    line.SetSide(2, credit);
    line.SetMonthKind(18);
    for (int round = 0; round < 2; ++round) {
        const StandIn::BookSide d = line.Side(1), c = line.Side(2);
        EXPECT_EQ(d.amount, debit.amount);
        EXPECT_EQ(d.tax, debit.tax);
        EXPECT_EQ(d.account, debit.account);
        EXPECT_EQ(d.department, debit.department);
        EXPECT_EQ(d.rate, 100000);
        EXPECT_EQ(d.category, 255);
        EXPECT_EQ(d.reduced, 1);
        EXPECT_EQ(d.business, 6);
        EXPECT_EQ(c.account, 7);
        EXPECT_EQ(c.rate, 0);
        EXPECT_EQ(c.category, 0);
        EXPECT_EQ(line.MonthKind(), 18);
        // Setting one side leaves the other and the month alone.
        line.SetSide(2, credit);
    }
}

// The table check of a journal condition answers as the terms themselves would.
TEST(JournalReadingTest, ConditionTablesAnswerAsTheTerms) {
    const StFINDITEM inner[] = {Category(2, FindCode::Equal, 11, FindCode::LinkOr), Category(1, FindCode::AtLeast, 60, FindCode::LinkEnd)};
    const FindInfo conditions[] = {
        MonthRange(4, 9, true),
        FindInfo{Month(FindCode::LessThan, 3, FindCode::LinkAnd), Sub(inner, FindCode::LinkOr),
                 Category(1, FindCode::Equal, 21, FindCode::LinkEnd)},
    };
    auto expected = [](int which, int month, int debit, int credit) {
        if (which == 0) return (month >= 4 && month <= 9) || month == 18;
        return (month < 3 && (credit == 11 || debit >= 60)) || debit == 21;
    };
    for (int which = 0; which < 2; ++which) {
        StandIn::FindCondition condition;
        ASSERT_EQ(condition.Compile(conditions[which].get(), StandIn::FindTarget::JournalLine), 0);
        for (int month : {1, 2, 3, 4, 9, 10, 12, 15, 18})
            for (int debit : {0, 11, 21, 59, 60, 255})
                for (int credit : {0, 11, 21}) {
                    StandIn::BookLine line;
                    line.SetSide(1, StandIn::BookSide{0, 0, 0, 0, 0, static_cast<std::uint8_t>(debit), 0, 0});
                    line.SetSide(2, StandIn::BookSide{0, 0, 0, 0, 0, static_cast<std::uint8_t>(credit), 0, 0});
                    line.SetMonthKind(month);
                    EXPECT_EQ(condition.Matches(line), expected(which, month, debit, credit))
                        << which << " " << month << " " << debit << " " << credit;
                }
    }
}

}  // namespace
