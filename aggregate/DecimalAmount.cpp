#include "aggregate/DecimalAmount.h"

#include <limits>

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Checked int64 arithmetic in portable form: the program also builds for 32-bit Windows.
std::int64_t CheckedAdd(std::int64_t a, std::int64_t b) {
    if ((b > 0 && a > kMax - b) || (b < 0 && a < kMin - b)) throw AmountOverflow{};
    return a + b;
}

std::int64_t CheckedSubtract(std::int64_t a, std::int64_t b) {
    if ((b < 0 && a > kMax + b) || (b > 0 && a < kMin + b)) throw AmountOverflow{};
    return a - b;
}

// Both operands are magnitudes (never negative).
std::int64_t CheckedMultiply(std::int64_t a, std::int64_t b) {
    if (a != 0 && b > kMax / a) throw AmountOverflow{};
    return a * b;
}

// Builds a normalised value from a magnitude whose fraction part may exceed 9999.
DecimalAmount Normalised(std::int64_t whole, std::uint64_t tenThousandths, int sign) {
    DecimalAmount result;
    const auto carry = static_cast<std::int64_t>(tenThousandths / DecimalAmount::kScale);
    result.whole = CheckedAdd(whole, carry);
    result.fraction = static_cast<std::uint32_t>(tenThousandths % DecimalAmount::kScale);
    const bool zero = result.whole == 0 && result.fraction == 0;
    result.sign = static_cast<std::int16_t>(zero || sign > 0 ? 1 : -1);
    return result;
}

}  // namespace

DecimalAmount DecimalAmount::FromStored(std::int64_t stored) {
    // Unsigned magnitude, so that the most negative figure converts as well.
    const std::uint64_t magnitude = stored < 0 ? 0 - static_cast<std::uint64_t>(stored)
                                               : static_cast<std::uint64_t>(stored);
    DecimalAmount result;
    result.whole = static_cast<std::int64_t>(magnitude / kScale);
    result.fraction = static_cast<std::uint32_t>(magnitude % kScale);
    result.sign = static_cast<std::int16_t>(stored < 0 ? -1 : 1);
    return result;
}

std::int64_t DecimalAmount::ToStored(const DecimalAmount& a) {
    // Unsigned again, so that the most negative figure converts back as well.
    if (a.whole < 0 || a.whole > kMax / kScale + 1) throw AmountOverflow{};
    const std::uint64_t magnitude = static_cast<std::uint64_t>(a.whole) * kScale + a.fraction;
    const std::uint64_t limit = static_cast<std::uint64_t>(kMax) + (a.sign < 0 ? 1 : 0);
    if (magnitude > limit) throw AmountOverflow{};
    return static_cast<std::int64_t>(a.sign < 0 ? 0 - magnitude : magnitude);
}

DecimalAmount DecimalAmount::Add(const DecimalAmount& a, const DecimalAmount& b) {
    const std::int64_t sum = CheckedAdd(ToStored(a), ToStored(b));
    if (sum >= kAddLimit || sum <= -kAddLimit) throw AmountOverflow{};
    return FromStored(sum);
}

DecimalAmount DecimalAmount::Subtract(const DecimalAmount& a, const DecimalAmount& b) {
    return FromStored(CheckedSubtract(ToStored(a), ToStored(b)));
}

DecimalAmount DecimalAmount::AddToStored(std::int64_t stored, const DecimalAmount& a) {
    return FromStored(CheckedAdd(stored, ToStored(a)));
}

DecimalAmount DecimalAmount::SubtractFromStored(std::int64_t stored, const DecimalAmount& a) {
    return FromStored(CheckedSubtract(stored, ToStored(a)));
}

DecimalAmount DecimalAmount::MultiplyByInteger(const DecimalAmount& a, std::int32_t n) {
    const std::int64_t factor = n < 0 ? -static_cast<std::int64_t>(n) : n;
    const std::int64_t whole = CheckedMultiply(a.whole, factor);
    const std::uint64_t fractionProduct = std::uint64_t{a.fraction} * static_cast<std::uint64_t>(factor);
    return Normalised(whole, fractionProduct, n < 0 ? -a.sign : a.sign);
}

DecimalAmount DecimalAmount::Multiply(const DecimalAmount& a, const DecimalAmount& b) {
    const std::int64_t whole = CheckedMultiply(a.whole, b.whole);
    const std::uint64_t fractionProduct =
        (std::uint64_t{a.fraction} * b.fraction + kScale / 2) / kScale;
    // The cross products are ten-thousandths; Normalised carries them into the whole part.
    const std::int64_t cross = CheckedAdd(CheckedMultiply(a.whole, b.fraction),
                                          CheckedMultiply(b.whole, a.fraction));
    const std::uint64_t tenThousandths = fractionProduct + static_cast<std::uint64_t>(cross);
    return Normalised(whole, tenThousandths, a.sign * b.sign);
}
