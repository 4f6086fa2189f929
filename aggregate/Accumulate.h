// The accumulation step of the refund passes: a stored figure replaced by itself plus or
// minus an amount (no limit but the range of stored figures), and a journal side's amount.
#pragma once

#include "aggregate/DecimalAmount.h"
#include "core_api/StSHOHIZEIINFO.h"
#include "core_api/StSWKTINFO.h"

#include <cstdint>

inline void AddTo(std::int64_t& figure, const DecimalAmount& amount) {
    figure = DecimalAmount::ToStored(DecimalAmount::AddToStored(figure, amount));
}

inline void SubtractFrom(std::int64_t& figure, const DecimalAmount& amount) {
    figure = DecimalAmount::ToStored(DecimalAmount::SubtractFromStored(figure, amount));
}

// The side's amount, with its consumption tax when the books are taken tax-included.
inline DecimalAmount SideAmount(const StSWKSIDE& side, const StSHOHIZEIINFO& settings) {
    const DecimalAmount amount = DecimalAmount::FromStored(side.amount);
    if (settings.taxIncludedBasis == 0) return amount;
    return DecimalAmount::Add(amount, DecimalAmount::FromStored(side.tax));
}
