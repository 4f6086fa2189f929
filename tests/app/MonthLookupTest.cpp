// Months and days through the data set's accounting period, and the fiscal-year months.
#include "app/MonthLookup.h"
#include "conditions/FiscalYear.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ScenarioBooks.h"

namespace {

class MonthLookupTest : public HostFixture {
protected:
    void Period(std::int32_t first, std::int32_t last) {
        auto books = ScenarioBooks();
        books["dataSets"][0]["period"] = {first, last};
        LoadBooks(books);
        StartHost();
    }
    RunState state_;
};

TEST_F(MonthLookupTest, AprilToMarch) {
    Period(20240401, 20250331);
    EXPECT_EQ(FirstDayOfMonth(state_, 4), 20240401);
    EXPECT_EQ(LastDayOfMonth(state_, 2), 20250228);
    EXPECT_EQ(LastDayOfMonth(state_, 3), 20250331);
    std::int16_t first = 0;
    std::int16_t last = 0;
    EXPECT_EQ(MonthsOfDates(state_, 20240615, 20250101, first, last), 0);
    EXPECT_EQ(first, 6);
    EXPECT_EQ(last, 1);
}

TEST_F(MonthLookupTest, ClosingDayBeforeTheMonthEndNamesMonthsByTheirEnd) {
    Period(20240121, 20250120);
    EXPECT_EQ(FirstDayOfMonth(state_, 2), 20240121);
    EXPECT_EQ(LastDayOfMonth(state_, 2), 20240220);
    std::int16_t first = 0;
    std::int16_t last = 0;
    MonthsOfDates(state_, 20240121, 20241225, first, last);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(last, 1);
}

TEST_F(MonthLookupTest, DateOutsideThePeriodIsRecorded) {
    Period(20240401, 20250331);
    std::int16_t first = 0;
    std::int16_t last = 0;
    EXPECT_NE(MonthsOfDates(state_, 20240401, 20260101, first, last), 0);
}

TEST_F(MonthLookupTest, FiscalYearMonthsWithTheCrossingMark) {
    Period(20240401, 20250331);
    const FiscalYear aprilToMarch = GetFiscalYear(20240401, 20250331);
    EXPECT_EQ(aprilToMarch.firstMonth, 4);
    EXPECT_EQ(aprilToMarch.lastMonth, 103);
    EXPECT_TRUE(aprilToMarch.Crosses());
    const FiscalYear calendar = GetFiscalYear(20240101, 20241231);
    EXPECT_EQ(calendar.firstMonth, 1);
    EXPECT_EQ(calendar.lastMonth, 12);
    EXPECT_FALSE(calendar.Crosses());
    const FiscalYear shortFirstYear = GetFiscalYear(20240715, 20250331);
    EXPECT_EQ(shortFirstYear.firstMonth, 7);
    EXPECT_EQ(shortFirstYear.lastMonth, 103);
}

}  // namespace
