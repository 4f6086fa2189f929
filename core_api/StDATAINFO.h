// One data set of the accounting system (ClSetData::WalkDat, ClSetData::GetSelectedInfo).
// Texts are NUL-terminated CP932; the data identifier is what SetCurDataID wants.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct StDATAINFO {
    char dataId[40];                // data identifier
    std::int32_t dataNo;            // data number (the user's selection)
    std::uint8_t reserved44[4];
    char companyName[128];
    std::uint8_t reserved176[108];
    std::int32_t periodFirst;       // accounting period, yyyymmdd
    std::int32_t periodLast;
    std::uint8_t reserved292[12];
    std::int32_t interimSetting;    // 1: an interim closing period after the sixth month
    std::uint8_t reserved308[4];
    std::int16_t dataKind;          // 99: past results
    std::uint8_t reserved314[30];
    std::uint8_t entityKind;        // 0, 1 corporations; 3, 4 individuals
    std::uint8_t reserved345[602];
    std::uint8_t incomeKind;        // individuals: 1 business, 2 real estate, 3-6 mixed
    std::uint8_t reserved948[76];
};
#pragma pack(pop)

static_assert(offsetof(StDATAINFO, dataId) == 0);
static_assert(offsetof(StDATAINFO, dataNo) == 40);
static_assert(offsetof(StDATAINFO, companyName) == 48);
static_assert(offsetof(StDATAINFO, periodFirst) == 284);
static_assert(offsetof(StDATAINFO, periodLast) == 288);
static_assert(offsetof(StDATAINFO, interimSetting) == 304);
static_assert(offsetof(StDATAINFO, dataKind) == 312);
static_assert(offsetof(StDATAINFO, entityKind) == 344);
static_assert(offsetof(StDATAINFO, incomeKind) == 947);
static_assert(sizeof(StDATAINFO) == 1024);
