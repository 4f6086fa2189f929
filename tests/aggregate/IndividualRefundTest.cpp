// An individual's refund statement on the core stand-in: routing by income kind and by
// department, the department walk, the sign by normal-balance side, assets by income type,
// and failures in mid-pass.
#include "aggregate/IncomeRouting.h"
#include "tests/aggregate/RefundFixture.h"

namespace {

using namespace RefundBooks;

constexpr int kMay = 20240515;
constexpr int kPurchase = 200;  // a goods purchase account
constexpr int kExpense = 300;   // an SG&A account

struct Routed {
    bool business, realEstate, other;
};

StBUMONINFO DepartmentRecord(int departmentClass, int link, int incomeType) {
    StBUMONINFO department{};
    department.departmentClass = static_cast<std::uint8_t>(departmentClass);
    department.departmentLink = link;
    department.incomeType = static_cast<std::uint8_t>(incomeType);
    return department;
}

void ExpectRoute(std::uint8_t incomeKind, const StBUMONINFO* department, Routed expected, const std::string& what) {
    const IncomeGroups groups = RouteByIncome(incomeKind, department);
    EXPECT_EQ(groups.business, expected.business) << what;
    EXPECT_EQ(groups.realEstate, expected.realEstate) << what;
    EXPECT_EQ(groups.other, expected.other) << what;
}

TEST(IncomeRoutingTest, MixedIncomeByDepartmentClassLinkAndIncomeType) {
    constexpr Routed B{true, false, false}, R{false, true, false}, O{false, false, true};
    constexpr Routed BR{true, true, false}, BO{true, false, true}, RO{false, true, true};
    const int incomeTypes[] = {1, 8, 3, 5, 0};
    const struct {
        int departmentClass, link;
        Routed byType[5];  // in the order of incomeTypes
    } rows[] = {
        {0, 0, {B, B, R, O, O}},       // no flag: the income type decides
        {0, 7, {B, B, R, O, O}},       // the link counts only with class 1
        {1, 0, {B, B, BR, B, B}},      // S1: business whatever the type
        {1, 7, {BO, BO, RO, O, O}},    // S2: other as well
        {2, 0, {O, O, O, O, O}},       // S3: other only
        {3, 0, {B, B, R, O, O}},
    };
    for (int incomeKind = 3; incomeKind <= 6; ++incomeKind) {
        for (const auto& row : rows) {
            for (int t = 0; t < 5; ++t) {
                const StBUMONINFO department = DepartmentRecord(row.departmentClass, row.link, incomeTypes[t]);
                ExpectRoute(static_cast<std::uint8_t>(incomeKind), &department, row.byType[t],
                            "kind " + std::to_string(incomeKind) + " class " + std::to_string(row.departmentClass) +
                                " link " + std::to_string(row.link) + " type " + std::to_string(incomeTypes[t]));
            }
        }
        ExpectRoute(static_cast<std::uint8_t>(incomeKind), nullptr, B, "no department");
    }
}

TEST(IncomeRoutingTest, SingleIncomeKindsIgnoreTheDepartment) {
    const StBUMONINFO other = DepartmentRecord(2, 7, 5);
    for (const StBUMONINFO* department : {static_cast<const StBUMONINFO*>(nullptr), &other}) {
        ExpectRoute(1, department, {true, false, false}, "kind 1");
        ExpectRoute(2, department, {false, true, false}, "kind 2");
        for (int kind : {0, 7, 255}) ExpectRoute(static_cast<std::uint8_t>(kind), department, {}, "no group");
    }
}

class IndividualRefundTest : public RefundFixture {
protected:
    IndividualRefundTest() {
        AddAccount(Account(kPurchase, 0x20804000));
        AddAccount(Account(kExpense, 0x40882004));
    }
};

// Every figure is category 24, so the book totals come from the department passes and the
// not-taxable purchases from the journal pass, each by its own routing.
TEST_F(IndividualRefundTest, DepartmentsOfEveryClassRouteBothPasses) {
    MakeIndividual(4);
    AddDepartment(Department(10, 0, 0, 3));  // real estate; the company's totals
    AddDepartment(Department(20, 2, 0, 1));  // S3: other
    AddDepartment(Department(30, 1, 0, 5));  // S1: business
    AddDepartment(Department(40, 1, 7, 1));  // S2 and a business type: business and other
    AddLine(Line(kMay, Side(kExpense, 1000, 24, 10)));
    AddLine(Line(kMay, Side(kExpense, 200, 24, 20)));
    AddLine(Line(kMay, Side(kExpense, 30, 24, 30)));
    AddLine(Line(kMay, Side(kExpense, 4, 24, 40)));
    AddLine(Line(kMay, Side(kExpense, 50000, 24, 0)));      // no department: a zeroed record
    AddLine(Line(kMay, Side(kExpense, 600000, 24, 99)));    // unknown to the core: the same
    AddLine(Line(kMay, Side(kPurchase, 7000000, 24, 10)));  // real estate has no purchases line
    AddLine(Line(kMay, Side(kPurchase, 80000000, 24, 40)));

    EXPECT_TRUE(Individual());
    EXPECT_EQ(totals_.businessExpenses, (RefundLine{Yen(30 + 4), Yen(30 + 4)}));
    EXPECT_EQ(totals_.realEstateExpenses, (RefundLine{Yen(651234), Yen(1000)}));
    EXPECT_EQ(totals_.otherExpenses, (RefundLine{Yen(200 + 4), Yen(200 + 4 + 50000 + 600000)}));
    EXPECT_EQ(totals_.businessPurchases, (RefundLine{Yen(80000000), Yen(80000000)}));
    EXPECT_EQ(totals_.otherPurchases, (RefundLine{Yen(80000000), Yen(80000000)}));
    // One rule object per department, each asked for its own totals or the company's.
    EXPECT_EQ(Calls("ClRuleKamoku::ClRuleKamoku"), 4);
    EXPECT_EQ(Calls("ClRuleKamoku::~ClRuleKamoku"), 4);
    EXPECT_EQ(Calls("ClSetBumon::GetInfoByCode"), 8);
    EXPECT_EQ(Calls("ClSetBumon::ReleaseCursor"), 2);
}

TEST_F(IndividualRefundTest, WithoutDepartmentsTheIncomeKindDecides) {
    AddLine(Line(kMay, Side(kExpense, 100, 24)));
    AddLine(Line(kMay, Side(kPurchase, 20, 24)));
    AddAsset(Asset(20240501, 0, 3, 2));
    AddAsset(Asset(20240501, 0, 4000, 1));
    AddAsset(Asset(20240501, 9, 50000, 3));
    AddAsset(Asset(20240501, 0, 600000, 0));  // no income type: business only for kind 1
    const RefundLine expense{Yen(100), Yen(100)}, purchase{Yen(20), Yen(20)}, none{};
    const struct {
        int kind;
        RefundLine business, businessPurchases, realEstate;
        std::int64_t businessAssets, realEstateAssets;
    } cases[] = {
        {1, expense, purchase, none, Yen(654003), 0},
        {2, none, none, expense, 0, Yen(654003)},
        {4, expense, purchase, none, Yen(54000), Yen(3)},
        {5, expense, purchase, none, Yen(54000), Yen(3)},
        {0, none, none, none, 0, 0},
        {7, none, none, none, 0, 0},
    };
    for (const auto& c : cases) {
        MakeIndividual(c.kind);
        totals_ = TaxTotals{};
        EXPECT_TRUE(Individual()) << c.kind;
        EXPECT_EQ(totals_.businessExpenses, c.business) << c.kind;
        EXPECT_EQ(totals_.businessPurchases, c.businessPurchases) << c.kind;
        EXPECT_EQ(totals_.realEstateExpenses, c.realEstate) << c.kind;
        EXPECT_EQ(totals_.otherExpenses, none) << c.kind;
        EXPECT_EQ(totals_.otherPurchases, none) << c.kind;
        EXPECT_EQ(totals_.businessFixedAssets, c.businessAssets) << c.kind;
        EXPECT_EQ(totals_.realEstateFixedAssets, c.realEstateAssets) << c.kind;
    }
}

TEST_F(IndividualRefundTest, CreditNormalExpenseCountsLikeADebitNormalOne) {
    MakeIndividual(1);
    AddAccount(Account(301, 0x40882010, {{"side", 2}, {"slots", Slots({0, 300}, {0, 100})}}));
    AddAccount(Account(302, 0x40882020, {{"side", 1}, {"slots", Slots({0, 300}, {0, 100})}}));
    AddAccount(Account(303, 0x40882040, {{"side", 2}, {"slots", Slots({0, 100}, {0, 300})}}));
    EXPECT_TRUE(Individual());
    EXPECT_EQ(totals_.businessExpenses.bookTotal, Yen(200 + 200 - 200));
}

TEST_F(IndividualRefundTest, AssetWindowIsTheChosenMonths) {
    MakeIndividual(1);
    AddAsset(Asset(20240430, 0, 1));
    AddAsset(Asset(20240501, 0, 20));
    AddAsset(Asset(20240731, 0, 300));
    AddAsset(Asset(20240801, 0, 4000));
    EXPECT_TRUE(Individual(5, 7));
    EXPECT_EQ(totals_.businessFixedAssets, Yen(320));
    // The list's accounts and the assets tick; the department and journal passes do not.
    EXPECT_EQ(activity_.ticks, 2 + 2);
    EXPECT_EQ(activity_.fills, 1);
}

class IndividualFailureTest : public IndividualRefundTest {
protected:
    IndividualFailureTest() {
        MakeIndividual(4);
        AddDepartment(Department(10, 1, 0, 1));
        AddDepartment(Department(20, 2, 0, 1));
        AddLine(Line(kMay, Side(kExpense, 1, 24, 10)));
        AddLine(Line(kMay, Side(kExpense, 20, 24, 20)));
        AddAsset(Asset(20240501, 0, 300, 1));
    }
};

TEST_F(IndividualFailureTest, DepartmentCursorFailureStopsBeforeAnyFigure) {
    for (const char* call : {"ClSetBumon::GetCursor", "ClSetBumon::ReadyCursor"}) {
        books_.erase("faults");
        AddFault(call, 9, 0);
        totals_ = TaxTotals{};
        EXPECT_FALSE(Individual()) << call;
        EXPECT_EQ(totals_.businessExpenses, RefundLine{}) << call;
        EXPECT_EQ(totals_.businessFixedAssets, 0) << call;
        EXPECT_EQ(Calls("ClSetBumon::ReleaseCursor"), call == std::string("ClSetBumon::ReadyCursor") ? 1 : 0);
    }
}

TEST_F(IndividualFailureTest, FailingDepartmentStopsTheWalkButNotTheJournal) {
    AddFault("ClRuleKamoku::MoveNext", 9, 3);  // department 10's three records, then the fault
    EXPECT_TRUE(Individual());
    EXPECT_EQ(totals_.businessExpenses, (RefundLine{Yen(1), Yen(1)}));
    EXPECT_EQ(totals_.otherExpenses, (RefundLine{0, Yen(20)}));
    EXPECT_EQ(totals_.businessFixedAssets, Yen(300));
    EXPECT_EQ(Calls("ClRuleKamoku::ClRuleKamoku"), 1);
}

TEST_F(IndividualFailureTest, FailedJournalFetchKeepsTheFiguresBeforeIt) {
    AddFault("ClRuleShiwake::MoveNext", 9, 1);
    EXPECT_FALSE(Individual());
    EXPECT_EQ(totals_.businessExpenses, (RefundLine{Yen(1), Yen(1)}));
    EXPECT_EQ(totals_.otherExpenses, (RefundLine{Yen(20), 0}));
    EXPECT_EQ(totals_.businessFixedAssets, 0);
    EXPECT_EQ(Calls("ClRuleShiwake::MoveFinish"), 0);
    EXPECT_EQ(Calls("ClSetBumon::ReleaseCursor"), 2);
}

}  // namespace
