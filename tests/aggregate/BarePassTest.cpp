// The refund benchmark's bare passes are its lower bounds only while they make exactly the
// core calls of the aggregation, in the same order: the stand-in's call logs of both must match
// on books where every kind of side, department and asset occurs.
#include "benchmarks/BarePasses.h"
#include "tests/aggregate/RefundFixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace RefundBooks;

constexpr int kMay = 20240515;
constexpr int kPurchase = 200;
constexpr int kExpense = 300;
constexpr int kOther = 400;

class BarePassTest : public RefundFixture {
protected:
    BarePassTest() {
        AddAccount(Account(kPurchase, 0x20804000));
        AddAccount(Account(kExpense, 0x40882004));
        AddAccount(Account(kOther, 0x40440040));
        AddAccount(Account(kExpense, 0x40844000));  // a second node of the same code
        AddDepartment(Department(10, 0, 0, 3));
        AddDepartment(Department(20, 1, 7, 1));
        AddLine(Line(kMay, Side(kExpense, 1000, 24, 10)));
        AddLine(Line(kMay, Side(kExpense, 7, 21, 20)));  // a taxable purchase: no lookup
        AddLine(Line(kMay, Side(kPurchase, 300, 13, 99), Side(kOther, 100, 0, 20)));
        AddLine(Line(kMay, Side(kCash, 5, 0), Side(kExpense, 5, 24, 0)));
        AddLine(Line(kMay, Side(kOther, 9, 22), Side(kPurchase, 9, 31, 10)));
        AddAsset(Asset(20240601, 1, 500000, 1));
        AddAsset(Asset(20240701, 9, 70000, 2));
    }

    // The calls of the aggregation and of the bare pass, each on freshly loaded books.
    template <class Aggregate, class Bare>
    void ExpectSameCalls(Aggregate aggregate, Bare bare) {
        ASSERT_TRUE(aggregate());
        const std::vector<std::string> aggregation = StandIn::CallLog();
        context_.Release();
        Prepare();
        bare(context_);
        const std::vector<std::string> barePass = StandIn::CallLog();
        EXPECT_GT(aggregation.size(), 20u);
        const auto [bareAt, aggregationAt] = std::mismatch(barePass.begin(), barePass.end(), aggregation.begin(),
                                                           aggregation.end());
        EXPECT_TRUE(bareAt == barePass.end() && aggregationAt == aggregation.end())
            << "calls differ from call " << (bareAt - barePass.begin()) << ": bare pass "
            << (bareAt == barePass.end() ? "(end)" : *bareAt) << ", aggregation "
            << (aggregationAt == aggregation.end() ? "(end)" : *aggregationAt);
    }
};

TEST_F(BarePassTest, CorporateBarePassMakesTheAggregationsCalls) {
    ExpectSameCalls([&] { return Corporate(); }, BareCorporatePass);
}

TEST_F(BarePassTest, IndividualBarePassMakesTheAggregationsCalls) {
    MakeIndividual(4);
    ExpectSameCalls([&] { return Individual(); }, BareIndividualPass);
}

}  // namespace
