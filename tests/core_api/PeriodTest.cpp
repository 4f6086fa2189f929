// Accounting months: an April-March year, a January-December year, a short first year and a
// closing day other than the month end.
#include "CoreTestSupport.h"

#include "core_api/ClAccPeriod.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClSetData.h"
#include "core_api/SetObject.h"

#include <gtest/gtest.h>

#include <memory>

using namespace CoreTest;

namespace {

class PeriodTest : public ::testing::Test {
protected:
    void SetUp() override { Load(R"({"dataSets": []})"); }

    // A period object set up as the conditions dialog sets one up.
    static std::unique_ptr<ClAccPeriod> Period(std::int32_t first, std::int32_t last) {
        auto period = std::make_unique<ClAccPeriod>();
        EXPECT_EQ(period->SetPeriod(first, last), 0);
        std::int32_t closingDay = 0;
        EXPECT_EQ(period->GetClosingDayByEndDate(last, 0, closingDay), 0);
        EXPECT_EQ(period->SetClosingDay(closingDay), 0);
        return period;
    }

    static std::int32_t MonthOf(ClAccPeriod& period, std::int32_t date) {
        std::int32_t month = -1;
        return period.GetAMonthByDate(date, month, 0) == 0 ? month : -1;
    }

    static std::pair<std::int32_t, std::int32_t> ByKind(ClAccPeriod& period, std::int16_t kind) {
        std::int32_t first = -1, last = -1;
        if (period.GetPeriodByMonthKind(kind, first, last, 0) != 0) return {-1, -1};
        return {first, last};
    }

    static std::pair<std::int32_t, std::int32_t> ByMonth(ClAccPeriod& period, std::int32_t month) {
        std::int32_t first = -1, last = -1;
        if (period.GetPeriodByAMonth(month, first, last, 0) != 0) return {-1, -1};
        return {first, last};
    }
};

using Range = std::pair<std::int32_t, std::int32_t>;

TEST_F(PeriodTest, AprilToMarch) {
    auto period = Period(20240401, 20250331);
    EXPECT_EQ(MonthOf(*period, 20240401), 4);
    EXPECT_EQ(MonthOf(*period, 20250228), 2);
    EXPECT_EQ(MonthOf(*period, 20250331), 3);
    EXPECT_EQ(MonthOf(*period, 20250401), -1);
    EXPECT_EQ(MonthOf(*period, 20240331), -1);
    EXPECT_EQ(ByKind(*period, 1), Range(20240401, 20240430));
    EXPECT_EQ(ByKind(*period, 11), Range(20250201, 20250228));
    EXPECT_EQ(ByKind(*period, 12), Range(20250301, 20250331));
    EXPECT_EQ(ByKind(*period, 15), Range(20240930, 20240930));
    EXPECT_EQ(ByKind(*period, 18), Range(20250331, 20250331));
    EXPECT_EQ(ByKind(*period, 13), Range(-1, -1));
    EXPECT_EQ(ByKind(*period, 0), Range(-1, -1));
    EXPECT_EQ(ByMonth(*period, 2), Range(20250201, 20250228));
    EXPECT_EQ(ByMonth(*period, 4), Range(20240401, 20240430));
    std::int32_t first = 0, last = 0;
    EXPECT_EQ(period->GetPeriod(first, last), 0);
    EXPECT_EQ(Range(first, last), Range(20240401, 20250331));
}

TEST_F(PeriodTest, JanuaryToDecemberOfALeapYear) {
    auto period = Period(20240101, 20241231);
    EXPECT_EQ(MonthOf(*period, 20240229), 2);
    EXPECT_EQ(ByKind(*period, 2), Range(20240201, 20240229));
    EXPECT_EQ(ByKind(*period, 15), Range(20240630, 20240630));
    EXPECT_EQ(ByMonth(*period, 12), Range(20241201, 20241231));
}

TEST_F(PeriodTest, ShortFirstYearStartsMidMonth) {
    auto period = Period(20240715, 20250331);
    EXPECT_EQ(MonthOf(*period, 20240715), 7);
    EXPECT_EQ(MonthOf(*period, 20240714), -1);
    EXPECT_EQ(ByKind(*period, 1), Range(20240715, 20240731));
    EXPECT_EQ(ByKind(*period, 9), Range(20250301, 20250331));
    EXPECT_EQ(ByKind(*period, 10), Range(-1, -1));
    EXPECT_EQ(ByKind(*period, 15), Range(20241231, 20241231));
    EXPECT_EQ(ByMonth(*period, 7), Range(20240715, 20240731));
    EXPECT_EQ(ByMonth(*period, 6), Range(-1, -1));
    // A period shorter than six months has no interim closing.
    auto quarter = Period(20240101, 20240331);
    EXPECT_EQ(ByKind(*quarter, 15), Range(-1, -1));
}

TEST_F(PeriodTest, ClosingDayTwentieth) {
    std::int32_t closingDay = 0;
    auto probe = std::make_unique<ClAccPeriod>();
    EXPECT_EQ(probe->GetClosingDayByEndDate(20250320, 0, closingDay), 0);
    EXPECT_EQ(closingDay, 20);
    EXPECT_EQ(probe->GetClosingDayByEndDate(20250228, 0, closingDay), 0);
    EXPECT_EQ(closingDay, 31);

    auto period = Period(20240321, 20250320);
    // Each accounting month runs from the 21st to the 20th and is named by its ending month.
    EXPECT_EQ(MonthOf(*period, 20240321), 4);
    EXPECT_EQ(MonthOf(*period, 20240420), 4);
    EXPECT_EQ(MonthOf(*period, 20240421), 5);
    EXPECT_EQ(MonthOf(*period, 20241231), 1);
    EXPECT_EQ(ByKind(*period, 1), Range(20240321, 20240420));
    EXPECT_EQ(ByKind(*period, 11), Range(20250121, 20250220));
    EXPECT_EQ(ByKind(*period, 12), Range(20250221, 20250320));
    EXPECT_EQ(ByMonth(*period, 2), Range(20250121, 20250220));
}

TEST_F(PeriodTest, DataSetHandsOutItsPeriod) {
    Load(R"({"selection": [0, 7], "dataSets": [
      {"id": "A", "number": 3, "period": [20230101, 20231231]},
      {"id": "B", "number": 7, "period": [20240401, 20250331]}]})");
    auto* data = DataManagerSetObject<SetObject::DataSets>();
    ASSERT_NE(data, nullptr);
    ClAccPeriod* raw = nullptr;
    ASSERT_EQ(data->GetAccPeriod(raw), 0);
    std::unique_ptr<ClAccPeriod> period(raw);
    EXPECT_EQ(MonthOf(*period, 20240401), 4);
    EXPECT_EQ(ByKind(*period, 12), Range(20250301, 20250331));
}

TEST_F(PeriodTest, InvalidDatesAreRefused) {
    ClAccPeriod period;
    EXPECT_NE(period.SetPeriod(20240230, 20250331), 0);
    EXPECT_NE(period.SetPeriod(20250401, 20240331), 0);
    EXPECT_NE(period.SetClosingDay(0), 0);
    std::int32_t month = 0;
    EXPECT_NE(period.GetAMonthByDate(20240401, month, 0), 0);  // no period set
}

}  // namespace
