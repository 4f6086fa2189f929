// Account master records (ClSetKamoku) and account totals (ClRuleKamoku::MoveNext).
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct StKAMOKUINFO {
    std::uint8_t reserved0[16];
    std::int32_t code;              // account code
    char name[80];                  // CP932, NUL-terminated
    std::uint8_t reserved100[10];
    std::uint8_t excluded;          // non-zero: left out of the refund statement
    std::uint8_t reserved111[33];
    std::uint32_t accountClass;     // AccountClassCode
    std::uint8_t reserved148[69];
};

// Figures per period slot: 1-12 the accounting months, 13 the year-end closing period,
// 14 the interim closing period (index 0 is not used by the stand-in).
inline constexpr int kPeriodSlotCount = 15;

struct StKAMOKUSUMINFO {
    std::uint8_t reserved0[16];
    std::int32_t code;              // account code
    char name[80];
    std::uint8_t reserved100[26];
    std::uint8_t sumExcluded;       // 1: skip the record
    std::uint8_t totalLine;         // 1: a total line
    std::uint8_t sumExcluded2;      // 1: skip the record
    std::uint8_t reserved129;
    std::uint8_t side;              // normal balance: 1 debit, 2 credit
    std::uint8_t reserved131[5];
    std::uint32_t accountClass;     // AccountClassCode
    std::uint8_t reserved140[12];
    std::int64_t debit[kPeriodSlotCount];       // ten-thousandths of a yen, excluding tax
    std::int64_t debitIncl[kPeriodSlotCount];   // including tax
    std::int64_t credit[kPeriodSlotCount];
    std::int64_t creditIncl[kPeriodSlotCount];
    std::uint8_t reserved632[4];
};

#pragma pack(pop)

static_assert(offsetof(StKAMOKUINFO, code) == 16);
static_assert(offsetof(StKAMOKUINFO, name) == 20);
static_assert(offsetof(StKAMOKUINFO, excluded) == 110);
static_assert(offsetof(StKAMOKUINFO, accountClass) == 144);
static_assert(sizeof(StKAMOKUINFO) == 217);

static_assert(offsetof(StKAMOKUSUMINFO, code) == 16);
static_assert(offsetof(StKAMOKUSUMINFO, name) == 20);
static_assert(offsetof(StKAMOKUSUMINFO, sumExcluded) == 126);
static_assert(offsetof(StKAMOKUSUMINFO, totalLine) == 127);
static_assert(offsetof(StKAMOKUSUMINFO, sumExcluded2) == 128);
static_assert(offsetof(StKAMOKUSUMINFO, side) == 130);
static_assert(offsetof(StKAMOKUSUMINFO, accountClass) == 136);
static_assert(offsetof(StKAMOKUSUMINFO, debit) == 152);
static_assert(offsetof(StKAMOKUSUMINFO, debitIncl) == 272);
static_assert(offsetof(StKAMOKUSUMINFO, credit) == 392);
static_assert(offsetof(StKAMOKUSUMINFO, creditIncl) == 512);
static_assert(sizeof(StKAMOKUSUMINFO) == 636);
