// The checks before the aggregation: the saved return's match, the sixth business category,
// undetermined import tax.
#include "app/SavedReturnCheck.h"
#include "app/SelectedData.h"
#include "app/TargetChecks.h"
#include "conditions/MonthCondition.h"
#include "core_api/ClMsgMgr.h"
#include "tests/support/HostFixture.h"
#include "tests/support/NoActivity.h"
#include "tests/support/ScenarioBooks.h"
#include "core_api/standin/StandIn.h"

namespace {

nlohmann::json SavedReturn() {
    return {{"period", {20240401, 20250331}}, {"range", {20240401, 20250331}}, {"kind", 1}, {"credit", 1},
            {"interim", 1}};
}

nlohmann::json LineWith(int date, int category, int business) {
    return {{"date", date},
            {"debit", {{"account", 100}, {"amount", 1000}}},
            {"credit", {{"account", 500}, {"amount", 1000}, {"category", category}, {"business", business}}}};
}

class TargetChecksTest : public HostFixture {
protected:
    void Load(const nlohmann::json& books) {
        LoadBooks(books);
        StartHost();
        selected_ = ReadSelectedData();
        savedReturn_ = SavedReturnArea{};
        BuildMonthCondition(context_.monthCondition, FiscalYear{4, 103}, 4, 3, 0);
    }

    bool Match(const nlohmann::json& books) {
        Load(books);
        return LoadAndMatchSavedReturn(selected_, savedReturn_);
    }

    nlohmann::json books_ = ScenarioBooks();
    SelectedData selected_;
    SavedReturnArea savedReturn_{};
    NoActivity activity_;
    AggregationContext context_{activity_};
};

TEST_F(TargetChecksTest, SavedReturnOfThisDataSetAndItsSettingsIsUsable) {
    SelectedDataSet(books_)["savedReturn"] = SavedReturn();
    EXPECT_TRUE(Match(books_));
}

TEST_F(TargetChecksTest, SavedReturnDifferingInOneConditionIsNotUsable) {
    const std::vector<std::pair<std::string, nlohmann::json>> changes = {
        {"period", {20230401, 20240331}}, {"kind", 2}, {"credit", 2}, {"interim", 2}};
    for (const auto& [key, value] : changes) {
        auto books = ScenarioBooks();
        auto saved = SavedReturn();
        saved[key] = value;
        SelectedDataSet(books)["savedReturn"] = saved;
        StandIn::Reset();
        EXPECT_FALSE(Match(books)) << key << " " << value;
        HostSession::Stop();
    }
}

TEST_F(TargetChecksTest, SimplifiedTaxationWantsASimplifiedReturn) {
    SelectedDataSet(books_)["tax"]["method"] = 1;
    auto saved = SavedReturn();
    saved["kind"] = 2;
    SelectedDataSet(books_)["savedReturn"] = saved;
    EXPECT_TRUE(Match(books_));
}

TEST_F(TargetChecksTest, MissingSavedReturnIsRecordedAndNotUsable) {
    EXPECT_FALSE(Match(books_));
    EXPECT_NE(ClMsgMgr::Inst()->GetLastErrorStatus(), 0);
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorLine(), 8505);
}

TEST_F(TargetChecksTest, SixthBusinessCategoryIsCountedInTheChosenMonths) {
    SelectedDataSet(books_)["journal"] = {LineWith(20240501, 11, 6), LineWith(20240601, 11, 5),
                                        LineWith(20240701, 11, 6)};
    Load(books_);
    std::int32_t count = -1;
    EXPECT_EQ(CountSixthBusinessCategory(context_, count), 0);
    EXPECT_EQ(count, 2);
}

TEST_F(TargetChecksTest, SixthBusinessCategoryCountFailureIsRecorded) {
    books_["faults"] = {{"ClRuleShiwake::CheckExistSwkByJigyoBunrui", 1234}};
    Load(books_);
    std::int32_t count = 0;
    EXPECT_EQ(CountSixthBusinessCategory(context_, count), 1234);
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorLine(), 4018);
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorLocation(), "Acc_FinTax31/AddTax");
}

TEST_F(TargetChecksTest, UndeterminedImportTaxOnEitherSide) {
    for (int category : {31, 34, 37}) {
        for (bool debit : {true, false}) {
            auto books = ScenarioBooks();
            auto line = LineWith(20240501, 0, 0);
            line[debit ? "debit" : "credit"]["category"] = category;
            SelectedDataSet(books)["journal"] = {line};
            StandIn::Reset();
            Load(books);
            EXPECT_TRUE(HasUndeterminedImportTax(context_)) << category << (debit ? " debit" : " credit");
            HostSession::Stop();
        }
    }
}

TEST_F(TargetChecksTest, NeighbouringCategoriesAreNotImportTax) {
    SelectedDataSet(books_)["journal"] = {LineWith(20240501, 30, 0), LineWith(20240501, 38, 0)};
    Load(books_);
    EXPECT_FALSE(HasUndeterminedImportTax(context_));
}

TEST_F(TargetChecksTest, ImportTaxOutsideTheChosenMonthsDoesNotCount) {
    SelectedDataSet(books_)["journal"] = {LineWith(20240501, 33, 0)};
    Load(books_);
    BuildMonthCondition(context_.monthCondition, FiscalYear{4, 103}, 6, 3, 0);
    EXPECT_FALSE(HasUndeterminedImportTax(context_));
}

}  // namespace
