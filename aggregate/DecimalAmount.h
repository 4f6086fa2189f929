// The fixed-point value of every aggregation step: a magnitude in whole yen and
// ten-thousandths, and a sign. Every result is normalised: fraction 0..9999, whole never
// negative, zero always with sign +1. Stored figures are int64 ten-thousandths of a yen.
#pragma once

#include "aggregate/AmountOverflow.h"

#include <cstdint>

struct DecimalAmount {
    std::int64_t whole = 0;      // whole yen of the magnitude
    std::uint32_t fraction = 0;  // ten-thousandths of the magnitude, 0..9999
    std::int16_t sign = 1;       // +1 or -1

    friend bool operator==(const DecimalAmount&, const DecimalAmount&) = default;

    static constexpr std::int64_t kScale = 10000;
    // Add refuses sums whose magnitude reaches 10^14 yen.
    static constexpr std::int64_t kAddLimit = 1000000000000000000;

    static DecimalAmount Zero() { return {}; }
    static DecimalAmount FromStored(std::int64_t stored);
    // Throws AmountOverflow when the value has no int64 stored form.
    static std::int64_t ToStored(const DecimalAmount& a);

    // Throws AmountOverflow when |a + b| >= kAddLimit ten-thousandths.
    static DecimalAmount Add(const DecimalAmount& a, const DecimalAmount& b);
    // The next three have no limit of their own; they throw AmountOverflow only when the
    // exact result leaves the int64 range of stored figures, which no wrapped value may hide.
    static DecimalAmount Subtract(const DecimalAmount& a, const DecimalAmount& b);
    static DecimalAmount AddToStored(std::int64_t stored, const DecimalAmount& a);
    static DecimalAmount SubtractFromStored(std::int64_t stored, const DecimalAmount& a);

    // Throws AmountOverflow when whole * |n| (or the carry into it) overflows int64.
    static DecimalAmount MultiplyByInteger(const DecimalAmount& a, std::int32_t n);
    // The fraction product is rounded half up to ten-thousandths; throws AmountOverflow when
    // whole * whole (or a cross product, or a carry) overflows int64.
    static DecimalAmount Multiply(const DecimalAmount& a, const DecimalAmount& b);
};
