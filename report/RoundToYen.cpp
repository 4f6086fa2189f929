#include "report/RoundToYen.h"

#include "aggregate/DecimalAmount.h"

namespace {

// The carry runs from the last digit of the fraction upward: 5 or more in a digit adds one to
// the digit above it.
bool DigitCarryRoundsUp(std::int64_t fraction) {
    int thousands = static_cast<int>(fraction / 1000);
    int hundreds = static_cast<int>(fraction / 100 % 10);
    int tens = static_cast<int>(fraction / 10 % 10);
    const int units = static_cast<int>(fraction % 10);
    if (units >= 5) ++tens;
    if (tens >= 5) ++hundreds;
    if (hundreds >= 5) ++thousands;
    return thousands >= 5;
}

std::int64_t RoundMagnitude(std::uint64_t magnitude, std::uint8_t roundingMode) {
    const auto yen = static_cast<std::int64_t>(magnitude / DecimalAmount::kScale);
    const auto fraction = static_cast<std::int64_t>(magnitude % DecimalAmount::kScale);
    switch (roundingMode) {
    case 0:
        return DigitCarryRoundsUp(fraction) ? yen + 1 : yen;
    case 2:
        return fraction != 0 ? yen + 1 : yen;
    default:
        return yen;
    }
}

}  // namespace

std::int64_t RoundToYen(std::int64_t amount, std::uint8_t roundingMode) {
    if (amount >= 0) return RoundMagnitude(static_cast<std::uint64_t>(amount), roundingMode);
    // The magnitude of the smallest int64 does not fit an int64: take it unsigned.
    const std::uint64_t magnitude = 0 - static_cast<std::uint64_t>(amount);
    return -RoundMagnitude(magnitude, roundingMode);
}
