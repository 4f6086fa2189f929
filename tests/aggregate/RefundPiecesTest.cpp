// The pieces the refund passes share: the slots of PeriodNet and the account index's visiting
// order.
#include "aggregate/AccountListIndex.h"
#include "aggregate/Accumulate.h"
#include "aggregate/PeriodNet.h"
#include "aggregate/RefundJournalPass.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Slot s: debit 2^s ten-thousandths excluding tax, 3 * 2^s including tax; credits 1 and 3.
StKAMOKUSUMINFO PowersOfTwo(std::uint8_t side) {
    StKAMOKUSUMINFO record{};
    record.side = side;
    for (int s = 0; s < kPeriodSlotCount; ++s) {
        record.debit[s] = std::int64_t{1} << s;
        record.debitIncl[s] = 3 * (std::int64_t{1} << s);
        record.credit[s] = 1;
        record.creditIncl[s] = 3;
    }
    return record;
}

std::int64_t NetOfSlots(std::initializer_list<int> slots, std::int64_t factor = 1) {
    std::int64_t net = 0;
    for (int s : slots) net += factor * ((std::int64_t{1} << s) - 1);
    return net;
}

std::int64_t Stored(std::int64_t a) { return a; }

TEST(PeriodNetTest, SlotsOfTheMonthsAndTheClosingPeriods) {
    const StKAMOKUSUMINFO record = PowersOfTwo(1);
    const StSHOHIZEIINFO excluding{};
    EXPECT_EQ(Stored(PeriodNet(record, 1, 12, excluding, true, false)),
              NetOfSlots({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(Stored(PeriodNet(record, 1, 6, excluding, false, true)), NetOfSlots({1, 2, 3, 4, 5, 6, 14}));
    EXPECT_EQ(Stored(PeriodNet(record, 3, 3, excluding, false, false)), NetOfSlots({3}));
    EXPECT_EQ(Stored(PeriodNet(record, 7, 6, excluding, true, false)), NetOfSlots({13}));  // no months
}

TEST(PeriodNetTest, SideAndTaxBasisChooseTheFigures) {
    StSHOHIZEIINFO including{};
    including.taxIncludedBasis = 1;
    EXPECT_EQ(Stored(PeriodNet(PowersOfTwo(1), 2, 4, including, false, false)), NetOfSlots({2, 3, 4}, 3));
    EXPECT_EQ(Stored(PeriodNet(PowersOfTwo(2), 2, 4, StSHOHIZEIINFO{}, false, false)), -NetOfSlots({2, 3, 4}));
}

TEST(PeriodNetTest, PositionsOutsideTheRecordAreNotRead) {
    const SlotSums sums = SumSlots(PowersOfTwo(1), SlotRange{-5, 40, 99, 0}, false);
    EXPECT_EQ(sums.debit, (std::int64_t{1} << kPeriodSlotCount) - 1);
    EXPECT_EQ(sums.credit, kPeriodSlotCount);
}

StKAMOKUINFO Node(std::int32_t code, std::uint32_t accountClass) {
    StKAMOKUINFO account{};
    account.code = code;
    account.accountClass = accountClass;
    return account;
}

// The class is the set itself; class 9 belongs to none.
int SetOfClass(std::uint32_t accountClass) { return accountClass == 9 ? -1 : static_cast<int>(accountClass); }

std::vector<std::pair<int, bool>> Visits(const AccountListIndex& index, std::int32_t debit, std::int32_t credit) {
    StSWKTINFO line{};
    line.debit.account = debit;
    line.credit.account = credit;
    std::vector<std::pair<int, bool>> visits;
    index.ForEachSide(line, [&](int set, bool isDebit) { visits.emplace_back(set, isDebit); });
    return visits;
}

TEST(AccountListIndexTest, VisitsInListOrderAsAWalkOverTheListWould) {
    // Codes 1 and 2 appear twice, interleaved; the node of class 9 is in no set.
    const AccountList list = {Node(1, 0), Node(2, 1), Node(1, 2), Node(3, 9), Node(2, 3)};
    const AccountListIndex index(list, SetOfClass);
    using V = std::vector<std::pair<int, bool>>;
    EXPECT_EQ(Visits(index, 1, 2), (V{{0, true}, {1, false}, {2, true}, {3, false}}));
    EXPECT_EQ(Visits(index, 2, 1), (V{{0, false}, {1, true}, {2, false}, {3, true}}));
    EXPECT_EQ(Visits(index, 1, 1), (V{{0, true}, {0, false}, {2, true}, {2, false}}));
    EXPECT_EQ(Visits(index, 3, 4), V{});
}

// What a walk over the list gives: each node whose code is a wanted side's, debit first.
std::vector<std::pair<int, bool>> WalkVisits(const AccountList& list, std::int32_t debit, std::int32_t credit,
                                             bool debitWanted, bool creditWanted) {
    std::vector<std::pair<int, bool>> visits;
    for (const StKAMOKUINFO& node : list) {
        const int set = SetOfClass(node.accountClass);
        const std::int32_t code = node.code;
        if (set < 0) continue;
        if (debitWanted && code == debit) visits.emplace_back(set, true);
        if (creditWanted && code == credit) visits.emplace_back(set, false);
    }
    return visits;
}

// Codes close together take the dense table, codes far apart (and negative ones) the hashed
// one; both give the walk's visits, also for codes around and between the listed ones.
TEST(AccountListIndexTest, DenseAndHashedTablesGiveTheWalksVisits) {
    const std::vector<std::vector<std::int32_t>> codeSets = {
        {101, 102, 103, 101, 400},
        {7, 70000000, -5, 7, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()},
        {1 << 20, 2 << 20, 3 << 20, 4 << 20, 5 << 20, 6 << 20, 7 << 20, 8 << 20, 9 << 20},  // one hash slot
    };
    for (const auto& codes : codeSets) {
        AccountList list;
        for (std::size_t i = 0; i < codes.size(); ++i) list.push_back(Node(codes[i], static_cast<std::uint32_t>(i % 4)));
        list.push_back(Node(codes[0], 9));  // in no set
        const AccountListIndex index(list, SetOfClass);
        std::vector<std::int32_t> probes = codes;
        for (std::int32_t code : codes) {
            if (code > std::numeric_limits<std::int32_t>::min()) probes.push_back(code - 1);
            if (code < std::numeric_limits<std::int32_t>::max()) probes.push_back(code + 1);
        }
        for (std::int32_t debit : probes) {
            for (std::int32_t credit : probes) {
                for (int wanted = 0; wanted < 4; ++wanted) {
                    const bool debitWanted = (wanted & 1) != 0;
                    const bool creditWanted = (wanted & 2) != 0;
                    StSWKTINFO line{};
                    line.debit.account = debit;
                    line.credit.account = credit;
                    std::vector<std::pair<int, bool>> visits;
                    index.ForEachSide(line, debitWanted, creditWanted,
                                      [&](int set, bool isDebit) { visits.emplace_back(set, isDebit); });
                    ASSERT_EQ(visits, WalkVisits(list, debit, credit, debitWanted, creditWanted))
                        << debit << " " << credit << " wanted " << wanted;
                }
            }
        }
    }
}

// The journal pass works on stored figures; each step must answer as the DecimalAmount steps
// it replaces, overflow included.
std::optional<std::int64_t> ByDecimal(std::int64_t figure, std::int64_t amount, bool add) {
    try {
        const DecimalAmount value = DecimalAmount::FromStored(amount);
        return DecimalAmount::ToStored(add ? DecimalAmount::AddToStored(figure, value)
                                           : DecimalAmount::SubtractFromStored(figure, value));
    } catch (const AmountOverflow&) {
        return std::nullopt;
    }
}

template <class Step>
std::optional<std::int64_t> ByStored(Step step) {
    try {
        return step();
    } catch (const AmountOverflow&) {
        return std::nullopt;
    }
}

TEST(StoredFigures, StepsAnswerAsTheirDecimalForms) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kLimit = DecimalAmount::kAddLimit;
    const std::int64_t values[] = {0, 1, -1, 12345, -9999, kLimit - 1, kLimit, -kLimit, kMax, kMin, kMax - 1, kMin + 1};
    for (std::int64_t a : values) {
        for (std::int64_t b : values) {
            std::int64_t sum = a;
            std::int64_t difference = a;
            EXPECT_EQ(ByStored([&] { AddTo(sum, b); return sum; }), ByDecimal(a, b, true)) << a << " + " << b;
            EXPECT_EQ(ByStored([&] { SubtractFrom(difference, b); return difference; }), ByDecimal(a, b, false))
                << a << " - " << b;
            const std::optional<std::int64_t> net = ByStored([&] { return StoredNet(a, b); });
            const std::optional<std::int64_t> decimalNet = ByStored([&] {
                return DecimalAmount::ToStored(DecimalAmount::Subtract(
                    DecimalAmount::Add(DecimalAmount::Zero(), DecimalAmount::FromStored(a)), DecimalAmount::FromStored(b)));
            });
            EXPECT_EQ(net, decimalNet) << a << " net " << b;
            StSWKSIDE side{};
            side.amount = a;
            side.tax = b;
            StSHOHIZEIINFO including{};
            including.taxIncludedBasis = 1;
            const std::optional<std::int64_t> decimalSide = ByStored([&] {
                return DecimalAmount::ToStored(DecimalAmount::Add(DecimalAmount::FromStored(a), DecimalAmount::FromStored(b)));
            });
            EXPECT_EQ(ByStored([&] { return SideAmount(side, including); }), decimalSide) << a << " side " << b;
            EXPECT_EQ(SideAmount(side, StSHOHIZEIINFO{}), a);
        }
    }
}

TEST(StoredFigures, ApplyingASideAddsADebitAndTakesACredit) {
    StSWKSIDE side{};
    for (const bool isDebit : {true, false}) {
        for (const std::int64_t figure : {std::int64_t{5}, std::numeric_limits<std::int64_t>::max(),
                                          std::numeric_limits<std::int64_t>::min()}) {
            std::int64_t applied = figure;
            const NotTaxablePurchaseSide taken{0, side, isDebit, 7};
            std::int64_t expected = figure;
            const std::optional<std::int64_t> byStep = ByStored([&] {
                isDebit ? AddTo(expected, std::int64_t{7}) : SubtractFrom(expected, std::int64_t{7});
                return expected;
            });
            EXPECT_EQ(ByStored([&] { taken.ApplyTo(applied); return applied; }), byStep) << isDebit << " " << figure;
        }
    }
}

}  // namespace
