// The figures of the consumption-tax return that ClRuleShohizeiShinkoku::SumTax fills: one
// rate record per tax rate and six business-type records (categories 1 to 6) per rate.
// All figures are signed ten-thousandths of a yen.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct StTAXREPORTRATEINFO {
    std::int32_t taxRate;                   // hundredths of a percent
    std::uint8_t reduced;                   // 1: reduced rate
    std::uint8_t reserved5[4];
    // 55 figures from byte 9 on.
    std::int64_t taxableSalesExcl;
    std::int64_t taxableSalesTax;
    std::int64_t taxableSalesIncl;
    std::int64_t securitiesSales;           // 5% of the sales of securities
    std::int64_t exemptSales;
    std::int64_t otherNonTaxableSales;
    std::int64_t nonTaxableAssetExports;
    std::int64_t salesReturnsExcl;
    std::int64_t salesReturnsTax;
    std::int64_t salesReturnsIncl;
    std::int64_t nonTaxableSalesReturns;
    std::int64_t exemptSalesReturns;
    std::int64_t purchTaxableExcl;          // purchases attributed to taxable sales
    std::int64_t purchTaxableTax;
    std::int64_t purchTaxableIncl;
    std::int64_t purchNonTaxableExcl;       // attributed to non-taxable sales
    std::int64_t purchNonTaxableTax;
    std::int64_t purchNonTaxableIncl;
    std::int64_t purchCommonExcl;           // common to both
    std::int64_t purchCommonTax;
    std::int64_t purchCommonIncl;
    std::int64_t importTaxTaxable;          // consumption tax on imports, by attribution
    std::int64_t importTaxNonTaxable;
    std::int64_t importTaxCommon;
    std::int64_t purchReturnsTaxableExcl;
    std::int64_t purchReturnsTaxableTax;
    std::int64_t purchReturnsTaxableIncl;
    std::int64_t purchReturnsNonTaxableExcl;
    std::int64_t purchReturnsNonTaxableTax;
    std::int64_t purchReturnsNonTaxableIncl;
    std::int64_t purchReturnsCommonExcl;
    std::int64_t purchReturnsCommonTax;
    std::int64_t purchReturnsCommonIncl;
    std::int64_t importRefundTaxable;       // refunds of import tax, by attribution
    std::int64_t importRefundNonTaxable;
    std::int64_t importRefundCommon;
    std::int64_t badDebtsExcl;
    std::int64_t badDebtsTax;
    std::int64_t badDebtsIncl;
    std::int64_t badDebtsCollectedExcl;
    std::int64_t badDebtsCollectedTax;
    std::int64_t badDebtsCollectedIncl;
    std::int64_t importLocalTax;            // local consumption tax on imports
    std::int64_t importLocalRefund;         // refunds of it
    std::int64_t otherFigures[11];          // figures of the core that the program does not read
    std::uint8_t reserved449[48];
};

inline constexpr std::size_t kRateFigureOffset = 9;
inline constexpr std::size_t kRateFigureCount = 55;

struct StTAXREPORTBUSINESSTYPEINFO {
    std::int32_t taxRate;                   // hundredths of a percent
    std::uint8_t reduced;
    std::uint8_t business;                  // business category 1-6
    std::uint8_t reserved6[2];
    std::int64_t salesIncl;                 // taxable sales
    std::int64_t salesTax;
    std::int64_t salesExcl;
    std::int64_t returnsIncl;               // returns on taxable sales
    std::int64_t returnsTax;
    std::int64_t returnsExcl;
    std::uint8_t reserved56[8];
};

inline constexpr std::size_t kBusinessFigureOffset = 8;
inline constexpr std::size_t kBusinessFigureCount = 6;

#pragma pack(pop)

#define TXLINK_RATE_AT(field, pos) static_assert(offsetof(StTAXREPORTRATEINFO, field) == (pos))
TXLINK_RATE_AT(taxRate, 0);
TXLINK_RATE_AT(reduced, 4);
TXLINK_RATE_AT(taxableSalesExcl, 9);
TXLINK_RATE_AT(taxableSalesTax, 17);
TXLINK_RATE_AT(taxableSalesIncl, 25);
TXLINK_RATE_AT(securitiesSales, 33);
TXLINK_RATE_AT(exemptSales, 41);
TXLINK_RATE_AT(otherNonTaxableSales, 49);
TXLINK_RATE_AT(nonTaxableAssetExports, 57);
TXLINK_RATE_AT(salesReturnsExcl, 65);
TXLINK_RATE_AT(salesReturnsTax, 73);
TXLINK_RATE_AT(salesReturnsIncl, 81);
TXLINK_RATE_AT(nonTaxableSalesReturns, 89);
TXLINK_RATE_AT(exemptSalesReturns, 97);
TXLINK_RATE_AT(purchTaxableExcl, 105);
TXLINK_RATE_AT(purchTaxableTax, 113);
TXLINK_RATE_AT(purchTaxableIncl, 121);
TXLINK_RATE_AT(purchNonTaxableExcl, 129);
TXLINK_RATE_AT(purchNonTaxableTax, 137);
TXLINK_RATE_AT(purchNonTaxableIncl, 145);
TXLINK_RATE_AT(purchCommonExcl, 153);
TXLINK_RATE_AT(purchCommonTax, 161);
TXLINK_RATE_AT(purchCommonIncl, 169);
TXLINK_RATE_AT(importTaxTaxable, 177);
TXLINK_RATE_AT(importTaxNonTaxable, 185);
TXLINK_RATE_AT(importTaxCommon, 193);
TXLINK_RATE_AT(purchReturnsTaxableExcl, 201);
TXLINK_RATE_AT(purchReturnsTaxableTax, 209);
TXLINK_RATE_AT(purchReturnsTaxableIncl, 217);
TXLINK_RATE_AT(purchReturnsNonTaxableExcl, 225);
TXLINK_RATE_AT(purchReturnsNonTaxableTax, 233);
TXLINK_RATE_AT(purchReturnsNonTaxableIncl, 241);
TXLINK_RATE_AT(purchReturnsCommonExcl, 249);
TXLINK_RATE_AT(purchReturnsCommonTax, 257);
TXLINK_RATE_AT(purchReturnsCommonIncl, 265);
TXLINK_RATE_AT(importRefundTaxable, 273);
TXLINK_RATE_AT(importRefundNonTaxable, 281);
TXLINK_RATE_AT(importRefundCommon, 289);
TXLINK_RATE_AT(badDebtsExcl, 297);
TXLINK_RATE_AT(badDebtsTax, 305);
TXLINK_RATE_AT(badDebtsIncl, 313);
TXLINK_RATE_AT(badDebtsCollectedExcl, 321);
TXLINK_RATE_AT(badDebtsCollectedTax, 329);
TXLINK_RATE_AT(badDebtsCollectedIncl, 337);
TXLINK_RATE_AT(importLocalTax, 345);
TXLINK_RATE_AT(importLocalRefund, 353);
TXLINK_RATE_AT(otherFigures, 361);
TXLINK_RATE_AT(reserved449, kRateFigureOffset + kRateFigureCount * 8);
#undef TXLINK_RATE_AT
static_assert(sizeof(StTAXREPORTRATEINFO) == 497);

static_assert(offsetof(StTAXREPORTBUSINESSTYPEINFO, taxRate) == 0);
static_assert(offsetof(StTAXREPORTBUSINESSTYPEINFO, reduced) == 4);
static_assert(offsetof(StTAXREPORTBUSINESSTYPEINFO, business) == 5);
static_assert(offsetof(StTAXREPORTBUSINESSTYPEINFO, salesIncl) == kBusinessFigureOffset);
static_assert(offsetof(StTAXREPORTBUSINESSTYPEINFO, salesTax) == 16);
static_assert(offsetof(StTAXREPORTBUSINESSTYPEINFO, salesExcl) == 24);
static_assert(offsetof(StTAXREPORTBUSINESSTYPEINFO, returnsIncl) == 32);
static_assert(offsetof(StTAXREPORTBUSINESSTYPEINFO, returnsTax) == 40);
static_assert(offsetof(StTAXREPORTBUSINESSTYPEINFO, returnsExcl) == 48);
static_assert(offsetof(StTAXREPORTBUSINESSTYPEINFO, reserved56) ==
              kBusinessFigureOffset + kBusinessFigureCount * 8);
static_assert(sizeof(StTAXREPORTBUSINESSTYPEINFO) == 64);
