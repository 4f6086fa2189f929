// The stand-in's sums wrap instead of overflowing: it never stops on absurd books. Wrapping
// sums do not depend on their order, so figures may be summed in parts and the parts added.
#pragma once

#include <cstdint>

namespace StandIn {

inline std::int64_t Plus(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    __builtin_add_overflow(a, b, &r);
    return r;
}

inline std::int64_t Negated(std::int64_t a) { return static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(a)); }

}  // namespace StandIn
