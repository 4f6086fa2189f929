// Account totals: sides into the slot of their month, total lines, explicit slots, and the
// restriction to one department.
#include "CoreTestSupport.h"

#include "core_api/ClDataMgr.h"
#include "core_api/ClLinkMgr.h"
#include "core_api/ClRuleKamoku.h"

#include <gtest/gtest.h>

#include <map>

using namespace CoreTest;

namespace {

const char* kBooks = R"({
  "selection": [1, 1],
  "dataSets": [{
    "id": "D1", "number": 1, "period": [20240401, 20250331], "interim": 1,
    "accounts": [
      {"code": 500, "class": "0x40884400", "total": 1, "members": [510, 520], "sumExcluded2": 1},
      {"code": 510, "class": "0x20804000"},
      {"code": 520, "class": "0x20400000"},
      {"code": 100, "class": 1, "side": 2},
      {"code": 900, "class": 9, "excluded": 1, "sumExcluded": 1,
       "slots": {"debit": [0, "1.5"], "creditIncl": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 8]}}],
    "departments": [{"code": 1, "class": 1}, {"code": 2, "class": 2}],
    "journal": [
      {"date": 20240410, "debit": {"account": 510, "department": 1, "amount": 1000, "tax": 100},
                         "credit": {"account": 100, "amount": 1100}},
      {"date": 20240415, "debit": {"account": 520, "department": 2, "amount": "200.25", "tax": 20},
                         "credit": {"account": 100, "department": 2, "amount": "220.25"}},
      {"date": 20240930, "closing": "interim", "debit": {"account": 510, "department": 2, "amount": 7},
                         "credit": {"account": 100, "amount": 7}},
      {"date": 20250331, "closing": "yearEnd", "debit": {"account": 100, "amount": 50},
                         "credit": {"account": 510, "department": 1, "amount": 50, "tax": 5}},
      {"date": 20250331, "debit": {"account": 510, "amount": 3}, "credit": {"account": 100, "amount": 3}}]
  }]
})";

using Records = std::map<std::int32_t, StKAMOKUSUMINFO>;

class AccountTotalsTest : public ::testing::Test {
protected:
    void SetUp() override { Load(kBooks); }

    // Every record of an account-totals move, by account code.
    static Records Move(ClRuleKamoku::_RuleKamokuSumType_Bmn bmn, const StBUMONINFO* department) {
        ClRuleKamoku rule;
        rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
        EXPECT_EQ(rule.SetCurDataID("D1"), 0);
        rule.AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
        FindInfo months = MonthRange(1, 3);  // delivered whole, whatever the condition
        EXPECT_EQ(rule.MoveReady(ClRuleKamoku::_RuleKamokuSumType_Base_Period, bmn,
                                 ClRuleKamoku::_RuleKamokuSumType_Disptype_Normal, months.get(), department,
                                 ClRuleKamoku::_RuleKamokuSumType_Past_Current),
                  0);
        std::int32_t count = 0;
        EXPECT_EQ(rule.GetSumCount(count), 0);
        EXPECT_EQ(count, 5);
        EXPECT_EQ(rule.SetMovePos(0), 0);
        Records records;
        StKAMOKUSUMINFO info{};
        std::int32_t status;
        while ((status = rule.MoveNext(&info)) == 0) records[+info.code] = info;
        EXPECT_EQ(status, 5000);
        EXPECT_EQ(rule.MoveFinish(), 0);
        return records;
    }
};

TEST_F(AccountTotalsTest, SidesGoToTheSlotOfTheirMonth) {
    Records r = Move(ClRuleKamoku::_RuleKamokuSumType_Bmn_Company, nullptr);
    const StKAMOKUSUMINFO& a510 = r[510];
    EXPECT_EQ(+a510.debit[1], Yen(1000));
    EXPECT_EQ(+a510.debitIncl[1], Yen(1100));
    EXPECT_EQ(+a510.debit[14], Yen(7));  // interim closing
    EXPECT_EQ(+a510.credit[13], Yen(50));  // year-end closing
    EXPECT_EQ(+a510.creditIncl[13], Yen(55));
    EXPECT_EQ(+a510.debit[12], Yen(3));  // an ordinary line on the last day stays in month 12
    EXPECT_EQ(+a510.debit[0], 0);
    const StKAMOKUSUMINFO& a100 = r[100];
    EXPECT_EQ(+a100.credit[1], Yen(1100) + 2202500);
    EXPECT_EQ(+a100.side, 2);
    EXPECT_EQ(+a100.accountClass, 1u);
}

TEST_F(AccountTotalsTest, TotalLinesSumTheirMembers) {
    Records r = Move(ClRuleKamoku::_RuleKamokuSumType_Bmn_Company, nullptr);
    const StKAMOKUSUMINFO& total = r[500];
    EXPECT_EQ(+total.totalLine, 1);
    EXPECT_EQ(+total.sumExcluded2, 1);
    EXPECT_EQ(+total.accountClass, 0x40884400u);
    EXPECT_EQ(+total.debit[1], Yen(1000) + 2002500);
    EXPECT_EQ(+total.debitIncl[1], Yen(1100) + 2202500);
    EXPECT_EQ(+total.credit[13], Yen(50));
}

TEST_F(AccountTotalsTest, ExplicitSlotsReplaceTheFigures) {
    Records r = Move(ClRuleKamoku::_RuleKamokuSumType_Bmn_Company, nullptr);
    const StKAMOKUSUMINFO& a900 = r[900];
    EXPECT_EQ(+a900.sumExcluded, 1);
    EXPECT_EQ(+a900.debit[1], 15000);
    EXPECT_EQ(+a900.creditIncl[13], Yen(7));
    EXPECT_EQ(+a900.creditIncl[14], Yen(8));
    EXPECT_EQ(+a900.credit[13], 0);
}

TEST_F(AccountTotalsTest, DepartmentMoveCountsOnlyItsSides) {
    StBUMONINFO department{};
    department.code = 2;
    Records r = Move(ClRuleKamoku::_RuleKamokuSumType_Bmn_Department, &department);
    EXPECT_EQ(+r[510].debit[1], 0);
    EXPECT_EQ(+r[510].debit[14], Yen(7));
    EXPECT_EQ(+r[520].debit[1], 2002500);
    EXPECT_EQ(+r[100].credit[1], 2202500);
    EXPECT_EQ(+r[500].debit[1], 2002500);  // the total line over this department's sides
    EXPECT_EQ(+r[500].debit[14], Yen(7));

    department.code = 1;
    Records one = Move(ClRuleKamoku::_RuleKamokuSumType_Bmn_Department, &department);
    EXPECT_EQ(+one[510].debit[1], Yen(1000));
    EXPECT_EQ(+one[510].credit[13], Yen(50));
    EXPECT_EQ(+one[510].debit[12], 0);

    // Company totals whatever department is passed.
    Records company = Move(ClRuleKamoku::_RuleKamokuSumType_Bmn_Company, &department);
    EXPECT_EQ(+company[510].debit[12], Yen(3));
}

TEST_F(AccountTotalsTest, RecordsComeInBooksOrderFromTheSetPosition) {
    ClRuleKamoku rule;
    ASSERT_EQ(rule.SetCurDataID("D1"), 0);
    ASSERT_EQ(rule.MoveReady(ClRuleKamoku::_RuleKamokuSumType_Base_Period, ClRuleKamoku::_RuleKamokuSumType_Bmn_Company,
                             ClRuleKamoku::_RuleKamokuSumType_Disptype_Normal, nullptr, nullptr,
                             ClRuleKamoku::_RuleKamokuSumType_Past_Current),
              0);
    ASSERT_EQ(rule.SetMovePos(3), 0);
    StKAMOKUSUMINFO info{};
    ASSERT_EQ(rule.MoveNext(&info), 0);
    EXPECT_EQ(+info.code, 100);
    ASSERT_EQ(rule.MoveNext(&info), 0);
    EXPECT_EQ(+info.code, 900);
    EXPECT_EQ(rule.MoveNext(&info), 5000);
}

TEST_F(AccountTotalsTest, UnboundRuleFails) {
    ClRuleKamoku rule;
    EXPECT_NE(rule.SetCurDataID("nope"), 0);
    EXPECT_NE(rule.MoveReady(ClRuleKamoku::_RuleKamokuSumType_Base_Period, ClRuleKamoku::_RuleKamokuSumType_Bmn_Company,
                             ClRuleKamoku::_RuleKamokuSumType_Disptype_Normal, nullptr, nullptr,
                             ClRuleKamoku::_RuleKamokuSumType_Past_Current),
              0);
    std::int32_t count = 0;
    EXPECT_NE(rule.GetSumCount(count), 0);
}

}  // namespace
