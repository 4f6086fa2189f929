// Search conditions evaluated by the stand-in: and before or, sub-chains, every field and
// comparison, and the refusal of codes it does not know.
#include "CoreTestSupport.h"

#include "core_api/ClDataMgr.h"
#include "core_api/ClLinkMgr.h"
#include "core_api/ClRuleGenkashokyaku.h"
#include "core_api/ClRuleShiwake.h"
#include "core_api/ClSetData.h"
#include "core_api/ClSetKamoku.h"
#include "core_api/SetObject.h"

#include <gtest/gtest.h>

using namespace CoreTest;

namespace {

// Twelve April-March months, one line a month; the category of the debit side is the month
// position + 20 and that of the credit side is 11; a year-end line on category 24.
const char* kBooks = R"({
  "user": "u", "selection": [1, 1],
  "dataSets": [{
    "id": "D1", "number": 1, "period": [20240401, 20250331],
    "accounts": [
      {"code": 100, "class": "0x40884400"}, {"code": 200, "class": "0x20804000"},
      {"code": 300, "class": 2155872256}, {"code": 400, "class": "0x40882004"}],
    "journal": [
      {"date": 20240405, "debit": {"category": 21}, "credit": {"category": 11}},
      {"date": 20240505, "debit": {"category": 22}, "credit": {"category": 11}},
      {"date": 20240605, "debit": {"category": 23}, "credit": {"category": 11}},
      {"date": 20240705, "debit": {"category": 24}, "credit": {"category": 11}},
      {"date": 20240805, "debit": {"category": 25}, "credit": {"category": 11}},
      {"date": 20240905, "debit": {"category": 26}, "credit": {"category": 11}},
      {"date": 20240930, "closing": "interim", "debit": {"category": 24}, "credit": {"category": 30}},
      {"date": 20241005, "debit": {"category": 27}, "credit": {"category": 11}},
      {"date": 20241105, "debit": {"category": 28}, "credit": {"category": 11}},
      {"date": 20241205, "debit": {"category": 29}, "credit": {"category": 11}},
      {"date": 20250105, "debit": {"category": 30}, "credit": {"category": 11}},
      {"date": 20250205, "debit": {"category": 31}, "credit": {"category": 11}},
      {"date": 20250305, "debit": {"category": 32}, "credit": {"category": 11}},
      {"date": 20250331, "closing": "yearEnd", "debit": {"category": 24}, "credit": {"category": 11}}],
    "assets": [{"date": 20240401, "cost": 1}, {"date": 20240930, "cost": 2}, {"date": 20250331, "cost": 3}]
  }]
})";

class FindConditionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Load(kBooks);
        rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
        ASSERT_EQ(rule.SetCurDataID("D1"), 0);
        rule.AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
    }

    std::int64_t Count(const StFINDINFO* condition) {
        std::uint32_t count = 99999;
        EXPECT_EQ(rule.GetSwkCount(condition, nullptr, count), 0);
        return count;
    }

    ClRuleShiwake rule;
};

TEST_F(FindConditionTest, MonthRangeWithClosingPeriods) {
    EXPECT_EQ(Count(MonthRange(1, 12).get()), 12);
    EXPECT_EQ(Count(MonthRange(1, 12, true).get()), 13);
    EXPECT_EQ(Count(MonthRange(4, 6).get()), 3);
    // (1..6) or 15: and binds tighter than or.
    FindInfo halfYear{Month(FindCode::AtLeast, 1, FindCode::LinkAnd), Month(FindCode::AtMost, 6, FindCode::LinkOr),
                      Month(FindCode::Equal, 15, FindCode::LinkEnd)};
    EXPECT_EQ(Count(halfYear.get()), 7);
    // 15 or (>= 12 and <= 12): a leading or term does not swallow the and-group.
    FindInfo orFirst{Month(FindCode::Equal, 15, FindCode::LinkOr), Month(FindCode::AtLeast, 12, FindCode::LinkAnd),
                     Month(FindCode::AtMost, 12, FindCode::LinkEnd)};
    EXPECT_EQ(Count(orFirst.get()), 2);
    FindInfo lessThan{Month(FindCode::LessThan, 3, FindCode::LinkEnd)};
    EXPECT_EQ(Count(lessThan.get()), 2);
}

TEST_F(FindConditionTest, CategoryPerSideAndSubChains) {
    FindInfo debit30{Category(1, FindCode::Equal, 30, FindCode::LinkEnd)};
    EXPECT_EQ(Count(debit30.get()), 1);
    FindInfo credit30{Category(2, FindCode::Equal, 30, FindCode::LinkEnd)};
    EXPECT_EQ(Count(credit30.get()), 1);

    // The import check's shape: ((debit 31..37) or (credit 31..37)) and months 1..12.
    StFINDITEM debitRange[] = {Category(1, FindCode::AtLeast, 31, FindCode::LinkAnd),
                               Category(1, FindCode::AtMost, 37, FindCode::LinkEnd)};
    StFINDITEM creditRange[] = {Category(2, FindCode::AtLeast, 31, FindCode::LinkAnd),
                                Category(2, FindCode::AtMost, 37, FindCode::LinkEnd)};
    StFINDITEM sides[] = {Sub(debitRange, FindCode::LinkOr), Sub(creditRange, FindCode::LinkEnd)};
    FindInfo months = MonthRange(1, 11);
    FindInfo imports{Sub(sides, FindCode::LinkAnd), Sub(months.items(), FindCode::LinkEnd)};
    EXPECT_EQ(Count(imports.get()), 1);  // February's 31; March's 32 is month 12

    // The not-taxable-purchase shape: either side below 21, equal to 24 or at least 30.
    StFINDITEM debitNot[] = {Category(1, FindCode::LessThan, 21, FindCode::LinkOr),
                             Category(1, FindCode::Equal, 24, FindCode::LinkOr),
                             Category(1, FindCode::AtLeast, 30, FindCode::LinkEnd)};
    StFINDITEM creditNot[] = {Category(2, FindCode::LessThan, 21, FindCode::LinkOr),
                              Category(2, FindCode::Equal, 24, FindCode::LinkOr),
                              Category(2, FindCode::AtLeast, 30, FindCode::LinkEnd)};
    StFINDITEM pair[] = {Sub(debitNot, FindCode::LinkOr), Sub(creditNot, FindCode::LinkEnd)};
    FindInfo all = MonthRange(1, 12, true);
    FindInfo notTaxable{Sub(pair, FindCode::LinkAnd), Sub(all.items(), FindCode::LinkEnd)};
    EXPECT_EQ(Count(notTaxable.get()), 13);  // every line has a credit side of 11 (< 21)
}

TEST_F(FindConditionTest, BusinessCategoryCountUsesEitherSide) {
    Load(R"({"selection": [0, 1], "dataSets": [{"id": "D1", "number": 1, "period": [20240101, 20241231],
      "journal": [
        {"date": 20240110, "debit": {"business": 6}, "credit": {}},
        {"date": 20240210, "debit": {}, "credit": {"business": 6}},
        {"date": 20240310, "debit": {"business": 5}, "credit": {"business": 1}},
        {"date": 20241210, "debit": {"business": 6}, "credit": {"business": 6}}]}]})");
    ClRuleShiwake fresh;
    ASSERT_EQ(fresh.SetCurDataID("D1"), 0);
    std::int32_t count = -1;
    FindInfo firstQuarter = MonthRange(1, 3);
    EXPECT_EQ(fresh.CheckExistSwkByJigyoBunrui(firstQuarter.get(), 6, count), 0);
    EXPECT_EQ(count, 2);
    FindInfo year = MonthRange(1, 12);
    EXPECT_EQ(fresh.CheckExistSwkByJigyoBunrui(year.get(), 6, count), 0);
    EXPECT_EQ(count, 3);
}

TEST_F(FindConditionTest, AccountClassAndAssetDate) {
    ClSetKamoku* accounts = DataManagerSetObject<SetObject::Accounts>();
    ASSERT_NE(accounts, nullptr);
    FindInfo classes{Item(FindCode::FieldAccountClass, 0, FindCode::Equal, static_cast<std::int32_t>(0x80800000u), FindCode::LinkOr),
                     Item(FindCode::FieldAccountClass, 0, FindCode::Equal, 0x20804000, FindCode::LinkEnd)};
    ClSetBase::CursorHandle cursor = 0;
    ASSERT_EQ(accounts->GetCursor(cursor), 0);
    ASSERT_EQ(accounts->ReadyCursor(cursor), 0);
    std::vector<std::int32_t> codes;
    StKAMOKUINFO info{};
    while (accounts->WalkFind(classes.get(), &info, cursor) == 0) codes.push_back(+info.code);
    EXPECT_EQ(accounts->ReleaseCursor(cursor), 0);
    EXPECT_EQ(codes, (std::vector<std::int32_t>{200, 300}));  // 2155872256 is 0x80800000

    ClRuleGenkashokyaku assets;
    ASSERT_EQ(assets.SetCurDataID("D1"), 0);
    FindInfo firstHalf{Item(FindCode::FieldAssetDate, 0, FindCode::AtLeast, 20240401, FindCode::LinkAnd),
                       Item(FindCode::FieldAssetDate, 0, FindCode::AtMost, 20240930, FindCode::LinkEnd)};
    ASSERT_EQ(assets.MoveReady(firstHalf.get(), ClRuleGenkashokyaku::_RuleGenkashokyaku_SortType_Register,
                               ClRuleGenkashokyaku::_RuleGenkashokyaku_MoveReady_SumType_None),
              0);
    std::int32_t count = 0;
    ASSERT_EQ(assets.GetCount(count), 0);
    EXPECT_EQ(count, 2);
    StKOTEISHISANINFO asset{};
    StKOTEINENINFO yearly{};
    StKOTEITSUKIINFO monthly{};
    EXPECT_EQ(assets.Move(1, &asset, &yearly, &monthly), 0);
    EXPECT_EQ(+asset.acquisitionCost, Yen(2));
    EXPECT_EQ(assets.Move(2, &asset, &yearly, &monthly), 5000);
}

TEST_F(FindConditionTest, UnknownCodesAnswerNonZero) {
    std::uint32_t count = 0;
    FindInfo unknownField{Item(42, 0, FindCode::Equal, 1, FindCode::LinkEnd)};
    EXPECT_NE(rule.GetSwkCount(unknownField.get(), nullptr, count), 0);
    FindInfo assetFieldOnJournal{Item(FindCode::FieldAssetDate, 0, FindCode::Equal, 1, FindCode::LinkEnd)};
    EXPECT_NE(rule.GetSwkCount(assetFieldOnJournal.get(), nullptr, count), 0);
    FindInfo badComparison{Month(9, 1, FindCode::LinkEnd)};
    EXPECT_NE(rule.GetSwkCount(badComparison.get(), nullptr, count), 0);
    FindInfo badSide{Category(3, FindCode::Equal, 11, FindCode::LinkEnd)};
    EXPECT_NE(rule.GetSwkCount(badSide.get(), nullptr, count), 0);
    FindInfo badConnector{Month(FindCode::Equal, 1, 7)};
    EXPECT_NE(rule.GetSwkCount(badConnector.get(), nullptr, count), 0);
    FindInfo nullSubChain{Sub(nullptr, FindCode::LinkEnd)};
    EXPECT_NE(rule.GetSwkCount(nullSubChain.get(), nullptr, count), 0);
    EXPECT_NE(rule.MoveReady(unknownField.get(), nullptr, nullptr, _ECursorType_Forward), 0);
    StSWKTINFO line{};
    EXPECT_NE(rule.MoveNext(&line), 0);
    EXPECT_NE(rule.MoveNext(&line), 5000);
}

TEST_F(FindConditionTest, SubChainThatLeadsBackIsRefused) {
    StFINDITEM loop[1] = {};
    loop[0] = Sub(loop, FindCode::LinkEnd);
    FindInfo condition{Sub(loop, FindCode::LinkEnd)};
    std::uint32_t count = 0;
    EXPECT_NE(rule.GetSwkCount(condition.get(), nullptr, count), 0);
}

TEST_F(FindConditionTest, JournalMoveDeliversMatchingLinesInOrder) {
    FindInfo autumn = MonthRange(7, 9);
    ASSERT_EQ(rule.MoveReady(autumn.get(), nullptr, nullptr, _ECursorType_Forward), 0);
    std::vector<std::int32_t> dates;
    StSWKTINFO line{};
    std::int32_t status;
    while ((status = rule.MoveNext(&line)) == 0) {
        dates.push_back(+line.date);
        EXPECT_EQ(+line.credit.taxCategory, 11);
    }
    EXPECT_EQ(status, 5000);
    EXPECT_EQ(dates, (std::vector<std::int32_t>{20241005, 20241105, 20241205}));
    EXPECT_EQ(rule.MoveFinish(), 0);
}

}  // namespace
