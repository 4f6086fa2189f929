// The accumulation step of the refund passes: a stored figure replaced by itself plus or
// minus an amount (no limit but the range of stored figures), and a journal side's amount.
// A stored figure goes through DecimalAmount and back unchanged, so these steps work on the
// stored figures themselves: the journal pass makes them for every line it reads.
#pragma once

#include "aggregate/DecimalAmount.h"
#include "core_api/StSHOHIZEIINFO.h"
#include "core_api/StSWKTINFO.h"

#include <cstdint>

// Stored figures added or subtracted exactly; AmountOverflow when the result leaves the int64
// range, as DecimalAmount's steps refuse it.
inline std::int64_t CheckedStoredSum(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) throw AmountOverflow{};
    return sum;
}

inline std::int64_t CheckedStoredDifference(std::int64_t a, std::int64_t b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) throw AmountOverflow{};
    return difference;
}

inline void AddTo(std::int64_t& figure, std::int64_t storedAmount) {
    figure = CheckedStoredSum(figure, storedAmount);
}

inline void SubtractFrom(std::int64_t& figure, std::int64_t storedAmount) {
    figure = CheckedStoredDifference(figure, storedAmount);
}

inline void AddTo(std::int64_t& figure, const DecimalAmount& amount) { AddTo(figure, DecimalAmount::ToStored(amount)); }

inline void SubtractFrom(std::int64_t& figure, const DecimalAmount& amount) {
    SubtractFrom(figure, DecimalAmount::ToStored(amount));
}

// The side's amount as a stored figure, with its consumption tax when the books are taken
// tax-included: DecimalAmount::Add of the two, with its limit.
inline std::int64_t SideAmount(const StSWKSIDE& side, const StSHOHIZEIINFO& settings) {
    const std::int64_t amount = side.amount;  // copies: the record's fields may be unaligned
    if (settings.taxIncludedBasis == 0) return amount;
    const std::int64_t sum = CheckedStoredSum(amount, side.tax);
    if (sum >= DecimalAmount::kAddLimit || sum <= -DecimalAmount::kAddLimit) throw AmountOverflow{};
    return sum;
}
