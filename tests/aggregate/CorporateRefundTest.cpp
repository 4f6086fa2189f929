// A corporation's refund statement on the core stand-in: the account pass's slots and routing,
// the journal pass's not-taxable purchases, the asset window, and failures in mid-pass.
#include "tests/aggregate/RefundFixture.h"

namespace {

using namespace RefundBooks;

// Month positions of an April-to-March year: April is 1, March 12.
constexpr int kMay = 20240515;
constexpr int kAugust = 20240815;

class CorporateRefundTest : public RefundFixture {};

TEST_F(CorporateRefundTest, BookTotalsFollowClassAndTotalLineFlag) {
    // Each record nets a power of two in April, so that every sum names its records.
    int code = 200;
    auto add = [&](std::uint32_t accountClass, std::int64_t yen, json extra = json::object()) {
        extra["slots"] = Slots({0, yen});
        AddAccount(Account(code++, accountClass, extra));
    };
    add(0x40884400, 1, {{"total", 1}});         // goods purchases of the period
    add(0x40884400, 2);                         // not its total line
    add(0x20804000, 4);                         // a goods purchase account
    add(0x20200040, 8, {{"total", 1}});         // a goods purchase total: none
    add(0x40882000, 16, {{"total", 1}});        // SG&A total
    add(0x40882000, 32);                        // not its total line
    add(0x40882004, 64);                        // an SG&A member: the journal pass only
    add(0x40844000, 128, {{"total", 1}});       // non-operating total
    add(0x40440000, 256, {{"total", 1}});       // other profit and loss total
    add(0x40440040, 512, {{"total", 1}});       // a member class, though a total line
    add(0x20400000, 1024, {{"sumExcluded", 1}});
    add(0x20400000, 2048, {{"sumExcluded2", 1}});
    add(0x40100000, 4096);                      // sales

    EXPECT_TRUE(Corporate());
    EXPECT_EQ(totals_.goodsPurchases.bookTotal, Yen(1 + 4));
    EXPECT_EQ(totals_.adminExpenses.bookTotal, Yen(16));
    EXPECT_EQ(totals_.nonOperatingExpenses.bookTotal, Yen(128));
    EXPECT_EQ(totals_.otherProfitLoss.bookTotal, Yen(256));
}

TEST_F(CorporateRefundTest, SlotsOfTheChosenMonthsWithTheirClosingPeriods) {
    // Slot s carries 2^s yen of debits and 1 yen of credits.
    std::vector<std::int64_t> debit(15), credit(15, 1);
    for (int slot = 0; slot < 15; ++slot) debit[slot] = std::int64_t{1} << slot;
    AddAccount(Account(200, 0x20804000, {{"slots", Slots(debit, credit)}}));
    auto slots = [](int first, int last, std::vector<int> extra = {}) {
        std::int64_t net = 0;
        for (int s = first; s <= last; ++s) extra.push_back(s);
        for (int s : extra) net += (std::int64_t{1} << s) - 1;
        return Yen(net);
    };
    const struct {
        int interim, start, end;
        std::int64_t expected;
    } cases[] = {
        {0, 4, 3, slots(1, 12, {13})},  // the whole year and its closing
        {0, 4, 2, slots(1, 11)},        // the closing only with the year's last month
        {1, 4, 9, slots(1, 6, {14})},   // the first half and its interim closing
        {0, 4, 9, slots(1, 6)},         // no interim closing in the data set
        {1, 5, 8, slots(2, 5)},
    };
    for (const auto& c : cases) {
        DataSet()["interim"] = c.interim;
        totals_ = TaxTotals{};
        EXPECT_TRUE(Corporate(c.start, c.end));
        EXPECT_EQ(totals_.goodsPurchases.bookTotal, c.expected) << c.start << ".." << c.end;
    }
}

// The closing entries are kept in slot 13, but the account pass takes the slot after the last
// chosen month: in a six-month year that is slot 7, and the closing is not in the book total.
// The individual's pass takes slot 13 and sees it.
TEST_F(CorporateRefundTest, ShortYearClosingIsOutsideTheCorporateBookTotal) {
    DataSet()["period"] = {20240401, 20240930};
    AddAccount(Account(200, 0x20804000));
    AddLine(Line(kMay, Side(200, 1000, 21)));
    json closing = Line(20240930, Side(200, 300, 21));
    closing["closing"] = "yearEnd";
    AddLine(closing);

    EXPECT_TRUE(Corporate(4, 9));
    EXPECT_EQ(totals_.goodsPurchases.bookTotal, Yen(1000));

    MakeIndividual(1);
    totals_ = TaxTotals{};
    EXPECT_TRUE(Individual(4, 9));
    EXPECT_EQ(totals_.businessPurchases.bookTotal, Yen(1300));
}

TEST_F(CorporateRefundTest, NotTaxablePurchasesByCategoryAndSide) {
    AddAccount(Account(200, 0x20804000));  // goods purchases
    AddAccount(Account(300, 0x40882004));  // SG&A
    AddAccount(Account(400, 0x40844000));  // non-operating
    AddAccount(Account(500, 0x40440080));  // other profit and loss
    AddAccount(Account(600, 0x40882010, {{"excluded", 1}}));
    AddLine(Line(kMay, Side(300, 1000, 24)));           // the cash side matches no account
    AddLine(Line(kMay, Side(300, 2000, 22)));           // delivered for its cash side, not counted
    AddLine(Line(kMay, Side(200, 10, 31)));             // imports not yet split count
    AddLine(Line(kMay, Side(200, 20, 51)));
    AddLine(Line(kMay, Side(200, 40, 21)));
    AddLine(Line(kMay, Side(400, 300, 13), Side(300, 100, 0)));  // both sides in the list
    AddLine(Line(kMay, Side(500, 7, 99), Side(500, 5, 30)));     // one account on both sides
    AddLine(Line(kMay, Side(600, 9000, 24)));           // excluded in the account master
    AddLine(Line(kAugust, Side(300, 50000, 24)));       // outside the chosen months

    EXPECT_TRUE(Corporate(4, 7));
    EXPECT_EQ(totals_.goodsPurchases.notTaxablePurchase, Yen(30));
    EXPECT_EQ(totals_.adminExpenses.notTaxablePurchase, Yen(1000 - 100));
    EXPECT_EQ(totals_.nonOperatingExpenses.notTaxablePurchase, Yen(300));
    EXPECT_EQ(totals_.otherProfitLoss.notTaxablePurchase, Yen(7 - 5));
}

TEST_F(CorporateRefundTest, TaxIncludedBasisTakesTheTaxWithEveryFigure) {
    DataSet()["tax"]["included"] = 1;
    AddAccount(Account(300, 0x40882004));
    AddAccount(Account(301, 0x40882000, {{"total", 1}, {"members", {300}}}));
    AddLine(Line(kMay, Side(300, 1000, 24, 0, 100)));

    EXPECT_TRUE(Corporate());
    EXPECT_EQ(totals_.adminExpenses, (RefundLine{Yen(1100), Yen(1100)}));
}

TEST_F(CorporateRefundTest, AssetsOfTheWindowByKind) {
    AddAsset(Asset(20240401, 9, 1));         // deferred, on the first day
    AddAsset(Asset(20240930, 0, 20));        // the window's last day
    AddAsset(Asset(20240615, 8, 300));
    AddAsset(Asset(20240615, 12, 4000));
    AddAsset(Asset(20241001, 0, 50000));     // after the window
    AddAsset(Asset(20230615, 9, 600000));    // an earlier year

    EXPECT_TRUE(Corporate(4, 9));
    EXPECT_EQ(totals_.deferredAssetAcquisitions, Yen(1));
    EXPECT_EQ(totals_.fixedAssetAcquisitions, Yen(4320));
}

TEST_F(CorporateRefundTest, WindowNeverStartsBeforeThePeriod) {
    AddAsset(Asset(20240415, 0, 1));
    AddAsset(Asset(20240501, 0, 20));
    Prepare(4, 9);
    dataSet_.periodFirst = 20240501;  // the data set's record starts later than April's first day
    EXPECT_TRUE(AggregateCorporateRefund(context_, totals_, dataSet_, settings_));
    EXPECT_EQ(totals_.fixedAssetAcquisitions, Yen(20));
}

TEST_F(CorporateRefundTest, TicksOncePerRecordReadAndLeavesTheBarFull) {
    AddAccount(Account(200, 0x20804000));
    AddAccount(Account(300, 0x40882004));
    AddLine(Line(kMay, Side(200, 1, 24)));
    AddLine(Line(kMay, Side(300, 1, 21)));  // delivered for its cash side
    AddAsset(Asset(20240501, 0, 1));

    EXPECT_TRUE(Corporate());
    // Three account totals, two accounts of the list, two lines, one asset.
    EXPECT_EQ(activity_.ticks, 3 + 2 + 2 + 1);
    EXPECT_EQ(activity_.resets, 1);
    EXPECT_EQ(activity_.fills, 1);
}

TEST_F(CorporateRefundTest, OtherEntityKindsAreLeftAlone) {
    MakeIndividual(1);
    AddAccount(Account(200, 0x20804000, {{"slots", Slots({0, 5})}}));
    EXPECT_TRUE(Corporate());
    EXPECT_EQ(totals_.goodsPurchases, RefundLine{});
    EXPECT_EQ(activity_.resets, 0);
    EXPECT_EQ(Calls("ClRuleKamoku::MoveNext"), 0);
}

class CorporateFailureTest : public CorporateRefundTest {
protected:
    CorporateFailureTest() {
        AddAccount(Account(200, 0x20804000));
        AddAccount(Account(300, 0x40882004));
        AddAccount(Account(301, 0x40882000, {{"total", 1}, {"members", {300}}}));
        AddLine(Line(kMay, Side(200, 1, 24)));
        AddLine(Line(kMay, Side(300, 20, 24)));
        AddAsset(Asset(20240501, 0, 300));
    }
};

TEST_F(CorporateFailureTest, FailedAccountFetchKeepsTheTotalsBeforeIt) {
    AddFault("ClRuleKamoku::MoveNext", 9, 2);  // cash, goods, then the fault
    EXPECT_FALSE(Corporate());
    EXPECT_EQ(totals_.goodsPurchases, (RefundLine{Yen(1), 0}));
    EXPECT_EQ(totals_.adminExpenses, RefundLine{});
    EXPECT_EQ(totals_.fixedAssetAcquisitions, 0);
    EXPECT_EQ(Calls("ClRuleKamoku::MoveFinish"), 0);
    EXPECT_EQ(Calls("ClRuleShiwake::MoveReady"), 0);
}

TEST_F(CorporateFailureTest, FailedCountOrPositionStopsBeforeAnyFigure) {
    for (const char* call : {"ClRuleKamoku::GetSumCount", "ClRuleKamoku::SetMovePos"}) {
        books_.erase("faults");
        AddFault(call, 9, 0);
        totals_ = TaxTotals{};
        EXPECT_FALSE(Corporate()) << call;
        EXPECT_EQ(Calls("ClRuleKamoku::MoveNext"), 0) << call;
        EXPECT_EQ(totals_.fixedAssetAcquisitions, 0) << call;
    }
}

TEST_F(CorporateFailureTest, FailedJournalFetchKeepsTheFiguresBeforeIt) {
    AddFault("ClRuleShiwake::MoveNext", 9, 1);
    EXPECT_FALSE(Corporate());
    EXPECT_EQ(totals_.goodsPurchases, (RefundLine{Yen(1), Yen(1)}));
    EXPECT_EQ(totals_.adminExpenses, (RefundLine{Yen(20), 0}));
    EXPECT_EQ(totals_.fixedAssetAcquisitions, 0);
    EXPECT_EQ(Calls("ClRuleShiwake::MoveFinish"), 0);
    EXPECT_EQ(Calls("ClRuleGenkashokyaku::MoveReady"), 0);
}

TEST_F(CorporateFailureTest, EndOfRecordsBeforeTheCountIsNoFailure) {
    AddFault("ClRuleShiwake::MoveNext", 5000, 1);
    EXPECT_TRUE(Corporate());
    EXPECT_EQ(totals_.goodsPurchases.notTaxablePurchase, Yen(1));
    EXPECT_EQ(totals_.adminExpenses.notTaxablePurchase, 0);
    EXPECT_EQ(Calls("ClRuleShiwake::MoveFinish"), 1);
    EXPECT_EQ(totals_.fixedAssetAcquisitions, Yen(300));
}

}  // namespace
