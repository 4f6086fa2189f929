// An individual data set's income kind: business income only, real-estate income only, or one
// of the mixed kinds, whose figures go to an income group by their department or asset.
#pragma once

#include <cstdint>

namespace IncomeKind {

inline constexpr std::uint8_t kBusinessOnly = 1;
inline constexpr std::uint8_t kRealEstateOnly = 2;
inline constexpr std::uint8_t kFirstMixed = 3;
inline constexpr std::uint8_t kLastMixed = 6;

constexpr bool IsMixed(std::uint8_t kind) { return kind >= kFirstMixed && kind <= kLastMixed; }

}  // namespace IncomeKind
