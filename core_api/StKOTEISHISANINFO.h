// The fixed-asset register (ClRuleGenkashokyaku::Move): the asset record and the two yearly
// and monthly depreciation records that Move fills alongside (buffers for the program).
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct StKOTEISHISANINFO {
    std::int32_t code;              // asset number
    char name[40];                  // CP932, NUL-terminated
    std::int32_t acquisitionDate;   // yyyymmdd
    std::int32_t assetKind;         // 9 deferred asset
    std::uint8_t reserved52[316];
    std::int64_t acquisitionCost;   // ten-thousandths of a yen
    std::uint8_t reserved376[152];
    std::int16_t incomeType;        // individuals: 1 or 3 business, 2 real estate
    std::uint8_t reserved530[15];
};

struct StKOTEINENINFO {
    std::uint8_t data[960];
};

struct StKOTEITSUKIINFO {
    std::uint8_t data[1536];
};

#pragma pack(pop)

static_assert(offsetof(StKOTEISHISANINFO, code) == 0);
static_assert(offsetof(StKOTEISHISANINFO, name) == 4);
static_assert(offsetof(StKOTEISHISANINFO, acquisitionDate) == 44);
static_assert(offsetof(StKOTEISHISANINFO, assetKind) == 48);
static_assert(offsetof(StKOTEISHISANINFO, acquisitionCost) == 368);
static_assert(offsetof(StKOTEISHISANINFO, incomeType) == 528);
static_assert(sizeof(StKOTEISHISANINFO) == 545);
static_assert(sizeof(StKOTEINENINFO) == 960);
static_assert(sizeof(StKOTEITSUKIINFO) == 1536);
