// The pieces the refund passes share: the slots of PeriodNet and the account index's visiting
// order.
#include "aggregate/AccountListIndex.h"
#include "aggregate/PeriodNet.h"

#include <gtest/gtest.h>

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

std::int64_t Stored(const DecimalAmount& a) { return DecimalAmount::ToStored(a); }

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

}  // namespace
