// The journal summary answers every count and sum as a walk over the lines does: grouped lines
// add up to the same wrapping sums, the securities' 5% is truncated per line, the smallest
// amount is taken without overflow, and books with too many groups are walked line by line.
#include "CoreTestSupport.h"

#include "core_api/standin/FindCondition.h"
#include "core_api/standin/JournalSummary.h"
#include "core_api/standin/ReturnSummer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>
#include <vector>

using namespace CoreTest;
using StandIn::BookDataSet;
using StandIn::BookLine;
using StandIn::BookSide;
using StandIn::JournalSummary;

namespace {

constexpr std::uint8_t kCategories[] = {0, 11, 13, 14, 15, 21, 22, 23, 24, 25, 30, 41, 42, 61, 65};
constexpr std::int32_t kRates[] = {0, 300, 500, 800, 1000, 1234};
constexpr int kMonths[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 18};
constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max() - 5;

// Sides of six kinds (category, rate, reduced flag, business) in fourteen month positions, so
// that lines share their small fields; with distinctRates the rate is any of that many, so that
// they seldom do. Amounts of both signs that do not divide by 20, and now and then one that
// makes the sums wrap.
BookDataSet RandomBooks(int lines, int distinctRates, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](std::size_t n) { return static_cast<int>(random() % n); };
    std::vector<BookSide> kinds(6);
    for (BookSide& kind : kinds) {
        kind.category = kCategories[pick(std::size(kCategories))];
        kind.rate = kRates[pick(std::size(kRates))];
        kind.reduced = static_cast<std::uint8_t>(kind.rate == 800 && pick(2) == 0);
        kind.business = static_cast<std::uint8_t>(pick(7));
    }
    BookDataSet books;
    for (std::int32_t code : {100, 200, 300}) books.accounts.emplace_back().code = code;
    for (int i = 0; i < lines; ++i) {
        BookLine line;
        for (int selector = 1; selector <= 2; ++selector) {
            BookSide side = kinds[pick(kinds.size())];
            if (distinctRates > 0) side.rate = 1 + pick(distinctRates);
            side.account = 100 * (1 + pick(4));  // 400: no such account
            side.amount = pick(50) == 0 ? kHuge : static_cast<std::int64_t>(random() % 100000) - 30000;
            side.tax = side.amount / 10;
            line.SetSide(selector, side);
        }
        line.SetMonthKind(kMonths[pick(std::size(kMonths))]);
        books.journal.push_back(line);
    }
    return books;
}

struct Figures {
    std::vector<StTAXREPORTRATEINFO> rates = std::vector<StTAXREPORTRATEINFO>(5);
    std::vector<StTAXREPORTBUSINESSTYPEINFO> business = std::vector<StTAXREPORTBUSINESSTYPEINFO>(30);
    bool operator==(const Figures& other) const {
        return std::memcmp(rates.data(), other.rates.data(), rates.size() * sizeof rates[0]) == 0 &&
               std::memcmp(business.data(), other.business.data(), business.size() * sizeof business[0]) == 0;
    }
};

Figures Sum(const BookDataSet& books, const JournalSummary& summary, const StandIn::FindCondition& condition) {
    Figures figures;
    StandIn::SumReturn(books, summary, condition, 1000, figures.rates.data(), figures.business.data());
    return figures;
}

std::int64_t Count(const JournalSummary& summary, const StandIn::FindCondition& condition) {
    std::int64_t count = 0;
    summary.ForEachGroup([&](const StandIn::LineGroup& group) {
        if (condition.MatchesLineCodes(group.codes)) count += group.lines;
    });
    return count;
}

std::int64_t WalkedCount(const BookDataSet& books, const StandIn::FindCondition& condition) {
    std::int64_t count = 0;
    for (const BookLine& line : books.journal) count += condition.Matches(line) ? 1 : 0;
    return count;
}

void ExpectSameSides(const JournalSummary& a, const JournalSummary& b) {
    ASSERT_EQ(a.CompanySides().size(), b.CompanySides().size());
    for (std::size_t i = 0; i < a.CompanySides().size(); ++i) {
        EXPECT_EQ(a.CompanySides()[i].debit, b.CompanySides()[i].debit);
        EXPECT_EQ(a.CompanySides()[i].creditIncl, b.CompanySides()[i].creditIncl);
    }
}

TEST(JournalSummaryTest, GroupsAnswerAsTheWalkOverTheirLines) {
    const BookDataSet books = RandomBooks(5000, 0, 7);
    const JournalSummary grouped(books);
    const JournalSummary lineByLine(books, 0);
    ASSERT_TRUE(grouped.Grouped());
    ASSERT_FALSE(lineByLine.Grouped());

    const FindInfo months = MonthRange(4, 9, true);
    const StFINDITEM sides[] = {Category(1, FindCode::LessThan, 21, FindCode::LinkOr),
                                Category(2, FindCode::AtLeast, 30, FindCode::LinkEnd)};
    const FindInfo nested{Sub(sides, FindCode::LinkAnd), Sub(months.items(), FindCode::LinkEnd)};
    for (const StFINDINFO* info : {static_cast<const StFINDINFO*>(nullptr), months.get(), nested.get()}) {
        StandIn::FindCondition condition;
        ASSERT_EQ(condition.Compile(info, StandIn::FindTarget::JournalLine), 0);
        EXPECT_EQ(Count(grouped, condition), WalkedCount(books, condition));
        EXPECT_EQ(Count(lineByLine, condition), WalkedCount(books, condition));
        EXPECT_TRUE(Sum(books, grouped, condition) == Sum(books, lineByLine, condition));
    }
    ExpectSameSides(grouped, lineByLine);
}

TEST(JournalSummaryTest, SecuritiesFivePercentIsTruncatedPerLine) {
    BookDataSet books;
    for (std::int64_t amount : {39, 39, -39}) {
        BookLine line;
        BookSide securities;
        securities.category = 30;
        securities.rate = 1000;
        securities.amount = amount;
        line.SetSide(2, securities);
        line.SetMonthKind(4);
        books.journal.push_back(line);
    }
    const JournalSummary summary(books);
    ASSERT_TRUE(summary.Grouped());
    StandIn::FindCondition all;
    ASSERT_EQ(all.Compile(nullptr, StandIn::FindTarget::JournalLine), 0);
    const std::int64_t securities = Sum(books, summary, all).rates[0].securitiesSales;  // packed: a copy
    EXPECT_EQ(securities, 1);  // 1 + 1 - 1, not 39 / 20
}

// A sale on the debit side takes its amount from the figure; the smallest amount there is
// wraps to itself, as every other sum of the stand-in wraps.
TEST(JournalSummaryTest, TheSmallestAmountIsTakenByWrapping) {
    BookDataSet books;
    BookLine line;
    BookSide sale;
    sale.category = 11;
    sale.rate = 1000;
    sale.amount = std::numeric_limits<std::int64_t>::min();
    line.SetSide(1, sale);
    line.SetMonthKind(4);
    books.journal.push_back(line);
    StandIn::FindCondition all;
    ASSERT_EQ(all.Compile(nullptr, StandIn::FindTarget::JournalLine), 0);
    const std::int64_t sales = Sum(books, JournalSummary(books), all).rates[0].taxableSalesExcl;  // packed: a copy
    EXPECT_EQ(sales, std::numeric_limits<std::int64_t>::min());
}

TEST(JournalSummaryTest, TooManyGroupsAreWalkedLineByLine) {
    const BookDataSet books = RandomBooks(3000, 90000, 11);
    const JournalSummary summary(books);
    EXPECT_FALSE(summary.Grouped());
    const FindInfo months = MonthRange(1, 6);
    StandIn::FindCondition condition;
    ASSERT_EQ(condition.Compile(months.get(), StandIn::FindTarget::JournalLine), 0);
    EXPECT_EQ(Count(summary, condition), WalkedCount(books, condition));
    ExpectSameSides(summary, JournalSummary(books, 1 << 20));
}

}  // namespace
