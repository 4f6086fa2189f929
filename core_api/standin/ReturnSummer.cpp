#include "core_api/standin/ReturnSummer.h"

#include "core_api/standin/Wrapping.h"

#include <cstddef>
#include <cstring>

namespace StandIn {

namespace {

// Figures are addressed by byte position: the records are packed, so their members cannot be
// bound to references.
using RateField = std::size_t;

// How a tax category feeds the rate record: one figure (the amount) or three (amount, tax,
// amount + tax), and the side that adds.
struct CategoryRow {
    std::uint8_t category;
    RateField excl;
    RateField tax;   // 0: a one-figure row
    RateField incl;
    int addingSide;  // 1 debit, 2 credit
    bool securities;  // 5% of the amount
};

using R = StTAXREPORTRATEINFO;
constexpr int kDebit = 1;
constexpr int kCredit = 2;

constexpr CategoryRow kCategoryRows[] = {
    {11, offsetof(R, taxableSalesExcl), offsetof(R, taxableSalesTax), offsetof(R, taxableSalesIncl), kCredit, false},
    {30, offsetof(R, securitiesSales), 0, 0, kCredit, true},
    {14, offsetof(R, exemptSales), 0, 0, kCredit, false},
    {13, offsetof(R, otherNonTaxableSales), 0, 0, kCredit, false},
    {19, offsetof(R, nonTaxableAssetExports), 0, 0, kCredit, false},
    {15, offsetof(R, salesReturnsExcl), offsetof(R, salesReturnsTax), offsetof(R, salesReturnsIncl), kDebit, false},
    {16, offsetof(R, nonTaxableSalesReturns), 0, 0, kDebit, false},
    {17, offsetof(R, exemptSalesReturns), 0, 0, kDebit, false},
    {21, offsetof(R, purchTaxableExcl), offsetof(R, purchTaxableTax), offsetof(R, purchTaxableIncl), kDebit, false},
    {22, offsetof(R, purchNonTaxableExcl), offsetof(R, purchNonTaxableTax), offsetof(R, purchNonTaxableIncl), kDebit, false},
    {23, offsetof(R, purchCommonExcl), offsetof(R, purchCommonTax), offsetof(R, purchCommonIncl), kDebit, false},
    {61, offsetof(R, importTaxTaxable), 0, 0, kDebit, false},
    {62, offsetof(R, importTaxNonTaxable), 0, 0, kDebit, false},
    {63, offsetof(R, importTaxCommon), 0, 0, kDebit, false},
    {64, offsetof(R, importLocalTax), 0, 0, kDebit, false},
    {25, offsetof(R, purchReturnsTaxableExcl), offsetof(R, purchReturnsTaxableTax), offsetof(R, purchReturnsTaxableIncl), kCredit, false},
    {26, offsetof(R, purchReturnsNonTaxableExcl), offsetof(R, purchReturnsNonTaxableTax), offsetof(R, purchReturnsNonTaxableIncl), kCredit,
     false},
    {27, offsetof(R, purchReturnsCommonExcl), offsetof(R, purchReturnsCommonTax), offsetof(R, purchReturnsCommonIncl), kCredit, false},
    {65, offsetof(R, importRefundTaxable), 0, 0, kCredit, false},
    {66, offsetof(R, importRefundNonTaxable), 0, 0, kCredit, false},
    {67, offsetof(R, importRefundCommon), 0, 0, kCredit, false},
    {68, offsetof(R, importLocalRefund), 0, 0, kCredit, false},
    {41, offsetof(R, badDebtsExcl), offsetof(R, badDebtsTax), offsetof(R, badDebtsIncl), kDebit, false},
    {42, offsetof(R, badDebtsCollectedExcl), offsetof(R, badDebtsCollectedTax), offsetof(R, badDebtsCollectedIncl), kCredit, false},
};

// Row of each category, nullptr when the category feeds no figure.
struct CategoryIndex {
    const CategoryRow* rows[256] = {};
    constexpr CategoryIndex() {
        for (const CategoryRow& row : kCategoryRows) rows[row.category] = &row;
    }
};
constexpr CategoryIndex kCategoryIndex;

constexpr std::uint8_t kTaxableSales = 11;
constexpr std::uint8_t kTaxableSalesReturns = 15;

template <typename Record>
void Add(Record& record, std::size_t offset, std::int64_t value, int sign) {
    unsigned char* at = reinterpret_cast<unsigned char*>(&record) + offset;
    std::int64_t figure;
    std::memcpy(&figure, at, sizeof figure);
    figure = Plus(figure, sign > 0 ? value : Negated(value));
    std::memcpy(at, &figure, sizeof figure);
}

using B = StTAXREPORTBUSINESSTYPEINFO;

// One side of a group of lines: its small fields and the sums over the group.
struct GroupSide {
    std::uint8_t category;
    std::int32_t rate;
    std::uint8_t reduced;
    std::uint8_t business;
    std::int64_t amount;
    std::int64_t tax;
    std::int64_t twentieth;

    GroupSide(const LineGroup& group, int selector)
        : category(BookLine::CategoryOf(group.codes, selector)),
          rate(BookLine::RateOf(group.codes, selector)),
          reduced(BookLine::ReducedOf(group.codes, selector)),
          business(BookLine::BusinessOf(group.codes, selector)),
          amount(group.amount[selector - 1]),
          tax(group.tax[selector - 1]),
          twentieth(group.twentieth[selector - 1]) {}
};

void AddToBusiness(B& record, const GroupSide& side, bool isReturn, int sign) {
    std::int64_t incl = Plus(side.amount, side.tax);
    Add(record, isReturn ? offsetof(B, returnsExcl) : offsetof(B, salesExcl), side.amount, sign);
    Add(record, isReturn ? offsetof(B, returnsTax) : offsetof(B, salesTax), side.tax, sign);
    Add(record, isReturn ? offsetof(B, returnsIncl) : offsetof(B, salesIncl), incl, sign);
}

void ClearFigures(StTAXREPORTRATEINFO& rate, StTAXREPORTBUSINESSTYPEINFO* business) {
    std::memset(reinterpret_cast<unsigned char*>(&rate) + kRateFigureOffset, 0, kRateFigureCount * 8);
    for (int b = 0; b < 6; ++b)
        std::memset(reinterpret_cast<unsigned char*>(&business[b]) + kBusinessFigureOffset, 0,
                    kBusinessFigureCount * 8);
}

}  // namespace

int RateClassOf(std::int32_t rate, std::uint8_t reduced, std::int32_t substituteRate) {
    if (rate == 0) {
        rate = substituteRate;
        reduced = 0;
    }
    for (int i = 0; i < kRateClassCount; ++i)
        if (kRateClassRates[i] == rate && kRateClassReduced[i] == reduced) return i;
    return -1;
}

void SumReturn(const BookDataSet& dataSet, const JournalSummary& summary, const FindCondition& condition,
               std::int32_t substituteRate, StTAXREPORTRATEINFO* rates, StTAXREPORTBUSINESSTYPEINFO* business) {
    int positions = dataSet.rateCount < kRateClassCount ? dataSet.rateCount : kRateClassCount;
    for (int p = 0; p < positions; ++p) ClearFigures(rates[p], business + p * 6);
    summary.ForEachGroup([&](const LineGroup& group) {
        if (!condition.MatchesLineCodes(group.codes)) return;
        for (int selector = kDebit; selector <= kCredit; ++selector) {
            const GroupSide side(group, selector);
            const CategoryRow* row = kCategoryIndex.rows[side.category];
            if (row == nullptr) continue;
            int position = RateClassOf(side.rate, side.reduced, substituteRate);
            if (position < 0 || position >= positions) continue;
            int sign = selector == row->addingSide ? 1 : -1;
            StTAXREPORTRATEINFO& record = rates[position];
            if (row->securities) {
                Add(record, row->excl, side.twentieth, sign);  // 5% of each line, truncated
            } else if (row->tax == 0) {
                Add(record, row->excl, side.amount, sign);
            } else {
                Add(record, row->excl, side.amount, sign);
                Add(record, row->tax, side.tax, sign);
                Add(record, row->incl, Plus(side.amount, side.tax), sign);
            }
            bool salesOrReturn = side.category == kTaxableSales || side.category == kTaxableSalesReturns;
            if (salesOrReturn && side.business >= 1 && side.business <= 6)
                AddToBusiness(business[position * 6 + side.business - 1], side,
                              side.category == kTaxableSalesReturns, sign);
        }
    });
}

}  // namespace StandIn
