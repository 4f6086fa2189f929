// The return figures: stamping, the return rule over the chosen months, the securities factor.
#include "aggregate/ReturnFigures.h"
#include "conditions/MonthCondition.h"
#include "core_api/ClRuleShohizeiShinkoku.h"
#include "core_api/standin/StandIn.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ScenarioBooks.h"

#include <algorithm>
#include <vector>

namespace {

struct CountingActivity : ActivityIndicator {
    void Tick() override {}
    void Sweep() override { ++sweeps; }
    void ResetActivity() override {}
    void FillActivity() override {}
    int sweeps = 0;
};

nlohmann::json Sale(int date, int category, int amount, int rate, bool reduced = false) {
    return {{"date", date},
            {"debit", {{"account", 100}, {"amount", amount}}},
            {"credit", {{"account", 500}, {"amount", amount}, {"tax", amount * rate / 10000}, {"category", category},
                        {"rate", rate}, {"reduced", reduced}}}};
}

class ReturnFiguresTest : public HostFixture {
protected:
    int Run(const nlohmann::json& journal, int rateCount = 5, int startMonth = 4, int endMonth = 3) {
        SelectedDataSet(books_)["journal"] = journal;
        SelectedDataSet(books_)["rates"] = rateCount;
        LoadBooks(books_);
        StartHost();
        BuildMonthCondition(context_.monthCondition, FiscalYear{4, 103}, startMonth, endMonth, 0);
        context_.taxMethod = TaxMethod::General;
        return ReturnFigures(context_, rates_, business_, 1000);
    }

    nlohmann::json books_ = ScenarioBooks();
    CountingActivity activity_;
    AggregationContext context_{activity_};
    std::vector<StTAXREPORTRATEINFO> rates_ = std::vector<StTAXREPORTRATEINFO>(5);
    std::vector<StTAXREPORTBUSINESSTYPEINFO> business_ = std::vector<StTAXREPORTBUSINESSTYPEINFO>(30);
};

TEST_F(ReturnFiguresTest, StampsFiveRatesAndSixBusinessTypesPerRate) {
    EXPECT_EQ(Run(nlohmann::json::array()), 1);
    const int expectedRates[] = {1000, 800, 800, 500, 300};
    const int expectedReduced[] = {0, 1, 0, 0, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(+rates_[i].taxRate, expectedRates[i]);
        EXPECT_EQ(+rates_[i].reduced, expectedReduced[i]);
        for (int category = 1; category <= 6; ++category) {
            const auto& record = business_[i * 6 + category - 1];
            EXPECT_EQ(+record.taxRate, expectedRates[i]);
            EXPECT_EQ(+record.reduced, expectedReduced[i]);
            EXPECT_EQ(+record.business, category);
        }
    }
    EXPECT_EQ(activity_.sweeps, 5);
}

TEST_F(ReturnFiguresTest, SecuritiesAreWrittenBackAsTheSalesThemselves) {
    // 100 000 yen of securities: the rule leaves 5 000 yen, the factor 20 gives the sales back.
    EXPECT_EQ(Run(nlohmann::json::array({Sale(20240501, 30, 100000, 0)})), 1);
    EXPECT_EQ(+rates_[0].securitiesSales, 1000000000);
}

TEST_F(ReturnFiguresTest, OnlyTheChosenMonthsCount) {
    EXPECT_EQ(Run(nlohmann::json::array({Sale(20240501, 11, 10000, 1000), Sale(20240801, 11, 20000, 1000)}), 5, 4, 6), 1);
    EXPECT_EQ(+rates_[0].taxableSalesExcl, 10000 * 10000);
    EXPECT_EQ(+rates_[0].taxableSalesTax, 1000 * 10000);
}

TEST_F(ReturnFiguresTest, FewerRatesStillStampFiveButSweepOnlyTheCounted) {
    EXPECT_EQ(Run(nlohmann::json::array({Sale(20240501, 11, 10000, 300)}), 2), 1);
    EXPECT_EQ(+rates_[4].taxRate, 300);
    EXPECT_EQ(+business_[2 * 6].taxRate, 0);  // the business records of uncounted rates stay blank
    EXPECT_EQ(activity_.sweeps, 2);
    EXPECT_EQ(+rates_[4].taxableSalesExcl, 0);  // the rule fills the counted positions only
}

TEST_F(ReturnFiguresTest, NoSettingsObjectStampsNothing) {
    SelectedDataSet(books_)["taxObject"] = false;
    EXPECT_EQ(Run(nlohmann::json::array()), 0);
    EXPECT_EQ(+rates_[0].taxRate, 0);
    EXPECT_EQ(activity_.sweeps, 0);
}

TEST_F(ReturnFiguresTest, ReturnRuleIsCreatedOnceAndKept) {
    Run(nlohmann::json::array());
    const ClRuleShohizeiShinkoku* first = context_.returnRule.get();
    ASSERT_NE(first, nullptr);
    ReturnFigures(context_, rates_, business_, 1000);
    EXPECT_EQ(context_.returnRule.get(), first);
}

}  // namespace
