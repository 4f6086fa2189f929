// Sums of an account-total record over period slots (1-12 the months, 13 the year-end
// closing, 14 the interim closing), and the net of the chosen months by the account's
// normal-balance side.
#pragma once

#include "aggregate/DecimalAmount.h"
#include "core_api/StKAMOKUINFO.h"
#include "core_api/StSHOHIZEIINFO.h"

#include <cstdint>

struct SlotRange {
    int first = 0;    // first..last, none when first > last
    int last = 0;
    int closing = 0;  // a single closing slot added to the range, 0 for none
    int interim = 0;  // the interim closing slot, 0 for none
};

struct SlotSums {
    std::int64_t debit = 0;
    std::int64_t credit = 0;
};

// The including-tax figures when taxIncluded, else the excluding-tax ones. Slots outside the
// record are never read.
SlotSums SumSlots(const StKAMOKUSUMINFO& record, const SlotRange& slots, bool taxIncluded);

// a - b as the aggregation computes it, a stored figure: the first operand taken through a
// checked DecimalAmount::Add from zero (its limit), then the exact difference.
std::int64_t StoredNet(std::int64_t a, std::int64_t b);

// Debits minus credits for a debit-normal account (side 1), credits minus debits for any other,
// over first..last and slot 13 (yearEndClosing) and slot 14 (interimClosing); a stored figure.
std::int64_t PeriodNet(const StKAMOKUSUMINFO& record, std::int16_t first, std::int16_t last,
                        const StSHOHIZEIINFO& settings, bool yearEndClosing, bool interimClosing);
