// Months and days through the data set's accounting period, and the fiscal-year months.
#include "app/MonthLookup.h"
#include "app/SelectedData.h"
#include "conditions/FiscalYear.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ScenarioBooks.h"

namespace {

class MonthLookupTest : public HostFixture {
protected:
    void Period(std::int32_t first, std::int32_t last) {
        auto books = ScenarioBooks();
        SelectedDataSet(books)["period"] = {first, last};
        LoadBooks(books);
        StartHost();
        dataSets_ = ReadSelectedData().dataSets;
    }
    ClSetData* dataSets_ = nullptr;
};

TEST_F(MonthLookupTest, AprilToMarch) {
    Period(20240401, 20250331);
    EXPECT_EQ(DaysOfMonth(dataSets_, 4).first, 20240401);
    EXPECT_EQ(DaysOfMonth(dataSets_, 2).last, 20250228);
    EXPECT_EQ(DaysOfMonth(dataSets_, 3).last, 20250331);
    std::int16_t first = 0;
    std::int16_t last = 0;
    EXPECT_EQ(MonthsOfDates(dataSets_, 20240615, 20250101, first, last), 0);
    EXPECT_EQ(first, 6);
    EXPECT_EQ(last, 1);
}

TEST_F(MonthLookupTest, ClosingDayBeforeTheMonthEndNamesMonthsByTheirEnd) {
    Period(20240121, 20250120);
    EXPECT_EQ(DaysOfMonth(dataSets_, 2).first, 20240121);
    EXPECT_EQ(DaysOfMonth(dataSets_, 2).last, 20240220);
    std::int16_t first = 0;
    std::int16_t last = 0;
    MonthsOfDates(dataSets_, 20240121, 20241225, first, last);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(last, 1);
}

TEST_F(MonthLookupTest, DateOutsideThePeriodIsRecorded) {
    Period(20240401, 20250331);
    std::int16_t first = 0;
    std::int16_t last = 0;
    EXPECT_NE(MonthsOfDates(dataSets_, 20240401, 20260101, first, last), 0);
}

TEST_F(MonthLookupTest, WithoutAPeriodTheDaysAreZeroAndTheMonthsUntouched) {
    Period(20240401, 20250331);
    EXPECT_EQ(DaysOfMonth(dataSets_, 13).first, 0);  // no such month in the period
    EXPECT_NE(DaysOfMonth(dataSets_, 13).status, 0);
    const MonthDays none = DaysOfMonth(nullptr, 4);
    EXPECT_NE(none.status, 0);
    EXPECT_EQ(none.first + none.last, 0);
    std::int16_t first = 7;
    std::int16_t last = 9;
    EXPECT_EQ(MonthsOfDates(nullptr, 20240401, 20250331, first, last), 0);
    EXPECT_EQ(first * 100 + last, 709);
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
