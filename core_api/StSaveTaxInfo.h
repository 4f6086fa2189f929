// The consumption-tax return saved in the accounting product's own return screen
// (ClSaveTaxShiryo::GetTaxSaveInfo). The program keeps it in a zeroed area of
// kSaveTaxInfoAreaSize bytes. Figures are signed ten-thousandths of a yen.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// The saved figures of one rate class, in the order of the report's elements of the sales,
// purchases, bad-debt and adjustment groups.
struct StSaveTaxRateFigures {
    // Sales.
    std::int64_t taxableSalesExcl;
    std::int64_t taxableSalesTax;
    std::int64_t taxableSalesIncl;
    std::int64_t exemptSales;
    std::int64_t securitiesSales;           // as saved, before the factor 20
    std::int64_t otherNonTaxableSales;
    std::int64_t nonTaxableAssetExports;
    std::int64_t salesReturnsExcl;
    std::int64_t salesReturnsTax;
    std::int64_t salesReturnsIncl;
    std::int64_t exemptSalesReturns;
    std::int64_t nonTaxableSalesReturns;
    std::int64_t nonTaxableAssetExportReturns;
    // Purchases.
    std::int64_t purchTaxableExcl;
    std::int64_t purchTaxableTax;
    std::int64_t purchTaxableIncl;
    std::int64_t purchNonTaxableExcl;
    std::int64_t purchNonTaxableTax;
    std::int64_t purchNonTaxableIncl;
    std::int64_t purchCommonExcl;
    std::int64_t purchCommonTax;
    std::int64_t purchCommonIncl;
    std::int64_t specifiedPurchTaxable;
    std::int64_t specifiedPurchNonTaxable;
    std::int64_t specifiedPurchCommon;
    std::int64_t importTaxTaxable;
    std::int64_t importTaxNonTaxable;
    std::int64_t importTaxCommon;
    std::int64_t importLocalTax;
    std::int64_t purchReturnsTaxableExcl;
    std::int64_t purchReturnsTaxableTax;
    std::int64_t purchReturnsTaxableIncl;
    std::int64_t purchReturnsNonTaxableExcl;
    std::int64_t purchReturnsNonTaxableTax;
    std::int64_t purchReturnsNonTaxableIncl;
    std::int64_t purchReturnsCommonExcl;
    std::int64_t purchReturnsCommonTax;
    std::int64_t purchReturnsCommonIncl;
    std::int64_t specifiedReturnsTaxable;
    std::int64_t specifiedReturnsNonTaxable;
    std::int64_t specifiedReturnsCommon;
    std::int64_t importRefundTaxable;
    std::int64_t importRefundNonTaxable;
    std::int64_t importRefundCommon;
    std::int64_t importLocalRefund;
    // Bad debts.
    std::int64_t badDebtsExcl;
    std::int64_t badDebtsTax;
    std::int64_t badDebtsIncl;
    std::int64_t badDebtsCollectedExcl;
    std::int64_t badDebtsCollectedTax;
    std::int64_t badDebtsCollectedIncl;
    // Adjustments.
    std::int64_t exemptionChangeTaxable;
    std::int64_t exemptionChangeNonTaxable;
    std::int64_t exemptionChangeCommon;
    std::int64_t taxableRatioChange;
    std::int64_t taxableUseConversion;
    std::int64_t residentialRental;
};

// The saved figures of one business category within one rate class.
struct StSaveTaxBusinessFigures {
    std::int64_t salesExcl;
    std::int64_t salesTax;
    std::int64_t salesIncl;
    std::int64_t returnsExcl;
    std::int64_t returnsTax;
    std::int64_t returnsIncl;
};

// The refund statement, shared by its corporate and individual variants.
struct StSaveTaxRefund {
    std::uint8_t individualFlag;            // 2: amounts exclude tax
    std::uint8_t corporateFlag;             // financial-statement lines
    std::uint8_t corporateAssetsFlag;       // asset lines
    std::int64_t amounts[16];
};

inline constexpr int kSavedRateCount = 5;      // 10%, 8% reduced, 8%, 5%, 3%
inline constexpr int kSavedBusinessCount = 6;  // business categories 1 to 6

struct StSaveTaxInfo {
    std::uint8_t taxationKind;              // 1 general, 2 simplified
    std::uint8_t creditMethod;              // purchase-credit method + 1
    std::uint8_t interimCode;               // interim-settlement setting + 1
    std::uint8_t transitionalAssets;        // non-zero: assets under transitional measures
    std::uint8_t salesCalcMethod;           // non-zero: the tax on sales computed by accumulation
    std::uint8_t purchaseCalcMethod;        // likewise for purchases
    std::uint8_t reserved6[2];
    std::int32_t periodFirst;               // the return's accounting period, yyyymmdd
    std::int32_t periodLast;
    std::int32_t rangeFirst;                // the range the return covers
    std::int32_t rangeLast;
    std::uint8_t reserved24[8];
    StSaveTaxRateFigures rates[kSavedRateCount];
    StSaveTaxBusinessFigures business[kSavedRateCount][kSavedBusinessCount];
    StSaveTaxRefund refund;
};

#pragma pack(pop)

inline constexpr std::size_t kSaveTaxInfoAreaSize = 24576;

static_assert(sizeof(StSaveTaxRateFigures) == 57 * 8);
static_assert(offsetof(StSaveTaxRateFigures, securitiesSales) == 4 * 8);
static_assert(offsetof(StSaveTaxRateFigures, purchTaxableExcl) == 13 * 8);
static_assert(offsetof(StSaveTaxRateFigures, badDebtsExcl) == 45 * 8);
static_assert(offsetof(StSaveTaxRateFigures, exemptionChangeTaxable) == 51 * 8);
static_assert(sizeof(StSaveTaxBusinessFigures) == 48);
static_assert(offsetof(StSaveTaxRefund, amounts) == 3);
static_assert(sizeof(StSaveTaxRefund) == 131);

static_assert(offsetof(StSaveTaxInfo, taxationKind) == 0);
static_assert(offsetof(StSaveTaxInfo, creditMethod) == 1);
static_assert(offsetof(StSaveTaxInfo, interimCode) == 2);
static_assert(offsetof(StSaveTaxInfo, transitionalAssets) == 3);
static_assert(offsetof(StSaveTaxInfo, salesCalcMethod) == 4);
static_assert(offsetof(StSaveTaxInfo, purchaseCalcMethod) == 5);
static_assert(offsetof(StSaveTaxInfo, periodFirst) == 8);
static_assert(offsetof(StSaveTaxInfo, periodLast) == 12);
static_assert(offsetof(StSaveTaxInfo, rangeFirst) == 16);
static_assert(offsetof(StSaveTaxInfo, rangeLast) == 20);
static_assert(offsetof(StSaveTaxInfo, rates) == 32);
static_assert(offsetof(StSaveTaxInfo, business) == 32 + 5 * 456);
static_assert(offsetof(StSaveTaxInfo, refund) == 32 + 5 * 456 + 30 * 48);
static_assert(sizeof(StSaveTaxInfo) == 3883);
static_assert(sizeof(StSaveTaxInfo) <= kSaveTaxInfoAreaSize);
