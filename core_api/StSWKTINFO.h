// One journal line (ClRuleShiwake::MoveNext): a debit side at byte 88 and a credit side at 129.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct StSWKSIDE {
    std::int32_t account;       // account code
    std::int32_t department;    // department code, 0 none
    std::int64_t amount;        // ten-thousandths of a yen
    std::int64_t tax;           // consumption-tax amount
    std::uint8_t taxCategory;   // TaxCategory
    std::int32_t taxRate;       // hundredths of a percent, 0 none
    std::uint8_t reduced;       // 1: reduced rate
    std::uint8_t business;      // business category 0-6
    std::uint8_t reserved31[10];
};

struct StSWKTINFO {
    std::int32_t serial;        // position of the line in the books, from 1
    std::int32_t date;          // yyyymmdd
    std::int16_t monthKind;     // 1-12, 15 interim closing, 18 year-end closing
    std::uint8_t reserved10[78];
    StSWKSIDE debit;
    StSWKSIDE credit;
    std::uint8_t reserved170[426];
};

// Passed as null by the program; the core's display and ordering options.
struct StSWKDISPINFO;
struct StORDERINFO;

// Cursor kinds of a journal move.
enum _ECursorType {
    _ECursorType_Default = 0,
    _ECursorType_Forward = 4,  // read each line once, in books order
};

#pragma pack(pop)

static_assert(offsetof(StSWKSIDE, account) == 0);
static_assert(offsetof(StSWKSIDE, department) == 4);
static_assert(offsetof(StSWKSIDE, amount) == 8);
static_assert(offsetof(StSWKSIDE, tax) == 16);
static_assert(offsetof(StSWKSIDE, taxCategory) == 24);
static_assert(offsetof(StSWKSIDE, taxRate) == 25);
static_assert(offsetof(StSWKSIDE, reduced) == 29);
static_assert(offsetof(StSWKSIDE, business) == 30);
static_assert(sizeof(StSWKSIDE) == 41);

static_assert(offsetof(StSWKTINFO, serial) == 0);
static_assert(offsetof(StSWKTINFO, date) == 4);
static_assert(offsetof(StSWKTINFO, monthKind) == 8);
static_assert(offsetof(StSWKTINFO, debit) == 88);
static_assert(offsetof(StSWKTINFO, credit) == 129);
static_assert(sizeof(StSWKTINFO) == 596);
