// The consumption-tax settings of a data set (ClSetShohizei::Get).
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct StSHOHIZEIINFO {
    std::uint8_t taxMethod;         // 0 exempt, 1 simplified, 2 general
    std::uint8_t reserved1;
    std::uint8_t roundingMode;      // 0, 1 or 2
    std::uint8_t creditMethod;      // 0 individual correspondence, 1 proportional
    std::uint8_t mainBusiness;      // simplified taxation: 0 none, 1-6 business category
    std::uint8_t taxIncludedBasis;  // non-zero: the books' amounts include the tax
    std::uint8_t reserved6[6];
};
#pragma pack(pop)

static_assert(offsetof(StSHOHIZEIINFO, taxMethod) == 0);
static_assert(offsetof(StSHOHIZEIINFO, roundingMode) == 2);
static_assert(offsetof(StSHOHIZEIINFO, creditMethod) == 3);
static_assert(offsetof(StSHOHIZEIINFO, mainBusiness) == 4);
static_assert(offsetof(StSHOHIZEIINFO, taxIncludedBasis) == 5);
static_assert(sizeof(StSHOHIZEIINFO) == 12);
