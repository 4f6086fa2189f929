// The return rule: the category table with its signs, the five rate classes, the substitute
// rate, the securities 5%, the business records and the rate count.
#include "CoreTestSupport.h"

#include "core_api/ClRuleShohizeiShinkoku.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace CoreTest;

namespace {

struct Figures {
    std::vector<StTAXREPORTRATEINFO> rates = std::vector<StTAXREPORTRATEINFO>(5);
    std::vector<StTAXREPORTBUSINESSTYPEINFO> business = std::vector<StTAXREPORTBUSINESSTYPEINFO>(30);
};

// Books of one data set whose journal is the given lines (JSON), April-March.
std::string BooksWith(const std::string& lines, int rates = 5) {
    return R"({"selection": [0, 1], "dataSets": [{"id": "D1", "number": 1, "period": [20240401, 20250331], "rates": )" +
           std::to_string(rates) + R"(, "journal": [)" + lines + "]}]}";
}

Figures Sum(std::int32_t substituteRate = 1000, const StFINDINFO* condition = nullptr) {
    Figures figures;
    for (int i = 0; i < 5; ++i) figures.rates[i].taxRate = 4242;  // stamped heads stay
    ClRuleShohizeiShinkoku rule;
    EXPECT_EQ(rule.SetCurDataID("D1"), 0);
    EXPECT_EQ(rule.SetSubstTaxRate(substituteRate), 0);
    FindInfo all = MonthRange(1, 12, true);
    EXPECT_EQ(rule.SumTax(2, condition ? condition : all.get(), figures.rates.data(), figures.business.data()), 0);
    return figures;
}

std::string Line(const std::string& debit, const std::string& credit, const std::string& date = "20240410") {
    return R"({"date": )" + date + R"(, "debit": {)" + debit + R"(}, "credit": {)" + credit + "}}";
}

TEST(ReturnRuleTest, SalesAddOnTheCreditSideAndSubtractOnTheDebitSide) {
    Load(BooksWith(Line(R"("category": 11, "rate": 1000, "amount": 300, "tax": 30)",
                        R"("category": 11, "rate": 1000, "amount": 1000, "tax": 100)") +
                   "," + Line("", R"("category": 14, "rate": 1000, "amount": 70)") + "," +
                   Line(R"("category": 15, "rate": 1000, "amount": 40, "tax": 4)", "") + "," +
                   Line("", R"("category": 13, "rate": 1000, "amount": 9)") + "," +
                   Line("", R"("category": 19, "rate": 1000, "amount": 8)") + "," +
                   Line(R"("category": 16, "rate": 1000, "amount": 6)", "") + "," +
                   Line(R"("category": 17, "rate": 1000, "amount": 5)", "")));
    StTAXREPORTRATEINFO r = Sum().rates[0];
    EXPECT_EQ(+r.taxRate, 4242);
    EXPECT_EQ(+r.taxableSalesExcl, Yen(700));
    EXPECT_EQ(+r.taxableSalesTax, Yen(70));
    EXPECT_EQ(+r.taxableSalesIncl, Yen(770));
    EXPECT_EQ(+r.exemptSales, Yen(70));
    EXPECT_EQ(+r.salesReturnsExcl, Yen(40));
    EXPECT_EQ(+r.salesReturnsTax, Yen(4));
    EXPECT_EQ(+r.salesReturnsIncl, Yen(44));
    EXPECT_EQ(+r.otherNonTaxableSales, Yen(9));
    EXPECT_EQ(+r.nonTaxableAssetExports, Yen(8));
    EXPECT_EQ(+r.nonTaxableSalesReturns, Yen(6));
    EXPECT_EQ(+r.exemptSalesReturns, Yen(5));
}

TEST(ReturnRuleTest, PurchasesImportsReturnsAndBadDebts) {
    std::string lines;
    const char* debitRows[] = {"21", "22", "23", "61", "62", "63", "64", "41"};
    const char* creditRows[] = {"25", "26", "27", "65", "66", "67", "68", "42"};
    for (const char* c : debitRows)
        lines += Line(std::string(R"("rate": 1000, "amount": 100, "tax": 10, "category": )") + c, "") + ",";
    for (const char* c : creditRows)
        lines += Line("", std::string(R"("rate": 1000, "amount": 20, "tax": 2, "category": )") + c) + ",";
    lines += Line("", R"("category": 21, "rate": 1000, "amount": 1, "tax": 1)");  // a purchase on the credit side
    Load(BooksWith(lines));
    StTAXREPORTRATEINFO r = Sum().rates[0];
    EXPECT_EQ(+r.purchTaxableExcl, Yen(99));
    EXPECT_EQ(+r.purchTaxableTax, Yen(9));
    EXPECT_EQ(+r.purchTaxableIncl, Yen(108));
    EXPECT_EQ(+r.purchNonTaxableIncl, Yen(110));
    EXPECT_EQ(+r.purchCommonExcl, Yen(100));
    EXPECT_EQ(+r.importTaxTaxable, Yen(100));  // the amount is itself the tax
    EXPECT_EQ(+r.importTaxNonTaxable, Yen(100));
    EXPECT_EQ(+r.importTaxCommon, Yen(100));
    EXPECT_EQ(+r.importLocalTax, Yen(100));
    EXPECT_EQ(+r.badDebtsExcl, Yen(100));
    EXPECT_EQ(+r.badDebtsIncl, Yen(110));
    EXPECT_EQ(+r.purchReturnsTaxableExcl, Yen(20));
    EXPECT_EQ(+r.purchReturnsNonTaxableTax, Yen(2));
    EXPECT_EQ(+r.purchReturnsCommonIncl, Yen(22));
    EXPECT_EQ(+r.importRefundTaxable, Yen(20));
    EXPECT_EQ(+r.importRefundNonTaxable, Yen(20));
    EXPECT_EQ(+r.importRefundCommon, Yen(20));
    EXPECT_EQ(+r.importLocalRefund, Yen(20));
    EXPECT_EQ(+r.badDebtsCollectedExcl, Yen(20));
    EXPECT_EQ(+r.badDebtsCollectedTax, Yen(2));
}

TEST(ReturnRuleTest, FiveRateClassesAndTheSubstituteRate) {
    std::string lines = Line("", R"("category": 11, "rate": 1000, "amount": 1)") + "," +
                        Line("", R"("category": 11, "rate": 800, "reduced": true, "amount": 2)") + "," +
                        Line("", R"("category": 11, "rate": 800, "amount": 3)") + "," +
                        Line("", R"("category": 11, "rate": 500, "amount": 4)") + "," +
                        Line("", R"("category": 11, "rate": 300, "amount": 5)") + "," +
                        Line("", R"("category": 11, "rate": 0, "amount": 6)") + "," +
                        Line("", R"("category": 11, "rate": 0, "reduced": 1, "amount": 7)") + "," +
                        Line("", R"("category": 11, "rate": 1000, "reduced": 1, "amount": 900)") + "," +
                        Line("", R"("category": 11, "rate": 700, "amount": 900)");
    Load(BooksWith(lines));
    Figures at10 = Sum(1000);
    EXPECT_EQ(+at10.rates[0].taxableSalesExcl, Yen(1 + 6 + 7));
    EXPECT_EQ(+at10.rates[1].taxableSalesExcl, Yen(2));
    EXPECT_EQ(+at10.rates[2].taxableSalesExcl, Yen(3));
    EXPECT_EQ(+at10.rates[3].taxableSalesExcl, Yen(4));
    EXPECT_EQ(+at10.rates[4].taxableSalesExcl, Yen(5));
    Figures at8 = Sum(800);
    EXPECT_EQ(+at8.rates[0].taxableSalesExcl, Yen(1));
    EXPECT_EQ(+at8.rates[1].taxableSalesExcl, Yen(2));  // rate 0 is never the reduced class
    EXPECT_EQ(+at8.rates[2].taxableSalesExcl, Yen(3 + 6 + 7));
    Figures at5 = Sum(500);
    EXPECT_EQ(+at5.rates[3].taxableSalesExcl, Yen(4 + 6 + 7));
}

TEST(ReturnRuleTest, RateCountLimitsThePositionsFilled) {
    Load(BooksWith(Line("", R"("category": 11, "rate": 1000, "amount": 1)") + "," +
                       Line("", R"("category": 11, "rate": 500, "amount": 4)"),
                   2));
    Figures figures;
    figures.rates[3].taxableSalesExcl = 123;  // position 3 is beyond the count: untouched
    ClRuleShohizeiShinkoku rule;
    ASSERT_EQ(rule.SetCurDataID("D1"), 0);
    rule.SetSubstTaxRate(1000);
    FindInfo all = MonthRange(1, 12);
    ASSERT_EQ(rule.SumTax(2, all.get(), figures.rates.data(), figures.business.data()), 0);
    EXPECT_EQ(+figures.rates[0].taxableSalesExcl, Yen(1));
    EXPECT_EQ(+figures.rates[3].taxableSalesExcl, 123);
}

TEST(ReturnRuleTest, SecuritiesAreFivePercentTruncated) {
    Load(BooksWith(Line("", R"("category": 30, "rate": 1000, "amount": "1000.0019")") + "," +
                   Line(R"("category": 30, "rate": 1000, "amount": "0.0039")", "")));
    // 5% of 10000019 is 500000 (truncated); 5% of 39 subtracts 1.
    EXPECT_EQ(+Sum().rates[0].securitiesSales, 500000 - 1);
}

TEST(ReturnRuleTest, BusinessRecordsOfSalesAndReturns) {
    Load(BooksWith(Line("", R"("category": 11, "rate": 800, "reduced": 1, "business": 2, "amount": 100, "tax": 8)") +
                   "," + Line(R"("category": 15, "rate": 800, "reduced": 1, "business": 2, "amount": 10, "tax": 1)", "") +
                   "," + Line("", R"("category": 15, "rate": 1000, "business": 6, "amount": 30, "tax": 3)") + "," +
                   Line("", R"("category": 11, "rate": 1000, "business": 0, "amount": 50, "tax": 5)") + "," +
                   Line("", R"("category": 14, "rate": 1000, "business": 3, "amount": 50)")));
    Figures figures = Sum();
    const StTAXREPORTBUSINESSTYPEINFO& retail = figures.business[1 * 6 + 1];
    EXPECT_EQ(+retail.salesExcl, Yen(100));
    EXPECT_EQ(+retail.salesTax, Yen(8));
    EXPECT_EQ(+retail.salesIncl, Yen(108));
    EXPECT_EQ(+retail.returnsExcl, Yen(10));
    EXPECT_EQ(+retail.returnsIncl, Yen(11));
    const StTAXREPORTBUSINESSTYPEINFO& realEstate = figures.business[5];
    EXPECT_EQ(+realEstate.returnsExcl, -Yen(30));  // a return on the credit side subtracts
    EXPECT_EQ(+realEstate.returnsTax, -Yen(3));
    for (int b = 0; b < 6; ++b) EXPECT_EQ(+figures.business[b].salesExcl, 0) << b;  // business 0 and 14 stay out
    EXPECT_EQ(+figures.rates[0].taxableSalesExcl, Yen(50));
    EXPECT_EQ(+figures.rates[1].salesReturnsExcl, Yen(10));
}

TEST(ReturnRuleTest, OnlyLinesOfTheMonthConditionCount) {
    Load(BooksWith(Line("", R"("category": 11, "rate": 1000, "amount": 1)", "20240410") + "," +
                   Line("", R"("category": 11, "rate": 1000, "amount": 2)", "20240510") + "," +
                   R"({"date": 20250331, "closing": "yearEnd", "credit": {"category": 11, "rate": 1000, "amount": 4}})"));
    FindInfo april = MonthRange(1, 1);
    EXPECT_EQ(+Sum(1000, april.get()).rates[0].taxableSalesExcl, Yen(1));
    FindInfo withYearEnd = MonthRange(2, 12, true);
    EXPECT_EQ(+Sum(1000, withYearEnd.get()).rates[0].taxableSalesExcl, Yen(6));
}

}  // namespace
