// The refund-statement figures of one run, int64 ten-thousandths of a yen. The aggregation
// adds into them; the report writes them.
#pragma once

#include <cstdint>

struct RefundLine {
    std::int64_t bookTotal = 0;           // debits minus credits of the line's accounts
    std::int64_t notTaxablePurchase = 0;  // journal amounts whose category is not a taxable purchase
};

struct TaxTotals {
    // Corporations.
    RefundLine goodsPurchases;
    RefundLine adminExpenses;
    RefundLine nonOperatingExpenses;
    RefundLine otherProfitLoss;
    // Individuals, by income.
    RefundLine businessPurchases;
    RefundLine businessExpenses;
    std::int64_t businessFixedAssets = 0;
    RefundLine realEstateExpenses;
    std::int64_t realEstateFixedAssets = 0;
    RefundLine otherPurchases;
    RefundLine otherExpenses;
    // Corporations: acquisitions of the period.
    std::int64_t fixedAssetAcquisitions = 0;
    std::int64_t deferredAssetAcquisitions = 0;
};
