#include "aggregate/PeriodNet.h"

#include "aggregate/Accumulate.h"

#include <algorithm>

namespace {

constexpr int kYearEndSlot = 13;
constexpr int kInterimSlot = 14;
constexpr int kLastSlot = kPeriodSlotCount - 1;
constexpr std::uint8_t kDebitNormal = 1;

// Checked: figures that leave the stored range throw AmountOverflow instead of wrapping.
std::int64_t Plus(std::int64_t sum, std::int64_t figure) { return CheckedStoredSum(sum, figure); }

// Read through the record, never through a pointer into it: its arrays may be unaligned.
void AddSlot(SlotSums& sums, const StKAMOKUSUMINFO& record, bool taxIncluded, int slot) {
    if (slot < 0 || slot > kLastSlot) return;
    sums.debit = Plus(sums.debit, taxIncluded ? record.debitIncl[slot] : record.debit[slot]);
    sums.credit = Plus(sums.credit, taxIncluded ? record.creditIncl[slot] : record.credit[slot]);
}

}  // namespace

std::int64_t StoredNet(std::int64_t a, std::int64_t b) {
    if (a >= DecimalAmount::kAddLimit || a <= -DecimalAmount::kAddLimit) throw AmountOverflow{};
    return CheckedStoredDifference(a, b);
}

SlotSums SumSlots(const StKAMOKUSUMINFO& record, const SlotRange& slots, bool taxIncluded) {
    SlotSums sums;
    for (int slot = std::max(slots.first, 0); slot <= std::min(slots.last, kLastSlot); ++slot)
        AddSlot(sums, record, taxIncluded, slot);
    if (slots.closing != 0) AddSlot(sums, record, taxIncluded, slots.closing);
    if (slots.interim != 0) AddSlot(sums, record, taxIncluded, slots.interim);
    return sums;
}

std::int64_t PeriodNet(const StKAMOKUSUMINFO& record, std::int16_t first, std::int16_t last,
                        const StSHOHIZEIINFO& settings, bool yearEndClosing, bool interimClosing) {
    const SlotRange slots{first, last, yearEndClosing ? kYearEndSlot : 0, interimClosing ? kInterimSlot : 0};
    const SlotSums sums = SumSlots(record, slots, settings.taxIncludedBasis != 0);
    return record.side == kDebitNormal ? StoredNet(sums.debit, sums.credit) : StoredNet(sums.credit, sums.debit);
}
