// A department (ClSetBumon::Walk, ClSetBumon::GetInfoByCode).
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct StBUMONINFO {
    std::int32_t code;              // department code
    std::uint8_t reserved4[12];
    std::int32_t departmentLink;
    char name[56];                  // CP932, NUL-terminated
    std::uint8_t reserved76[3];
    std::uint8_t departmentClass;
    std::uint8_t reserved80[48];
    std::uint8_t incomeType;        // 1 or 8 business, 3 real estate, other values other income
    std::uint8_t reserved129[31];
};
#pragma pack(pop)

static_assert(offsetof(StBUMONINFO, code) == 0);
static_assert(offsetof(StBUMONINFO, departmentLink) == 16);
static_assert(offsetof(StBUMONINFO, name) == 20);
static_assert(offsetof(StBUMONINFO, departmentClass) == 79);
static_assert(offsetof(StBUMONINFO, incomeType) == 128);
static_assert(sizeof(StBUMONINFO) == 160);
