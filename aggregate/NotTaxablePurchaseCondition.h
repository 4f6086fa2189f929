// The journal lines the refund passes read: the chosen months' lines with at least one side
// whose category is not a taxable purchase. Four chains: (debit chain or credit chain) and
// the month condition, each side chain "below 21, or 24, or 30 and above".
#pragma once

#include "aggregate/AggregationContext.h"
#include "core_api/StFINDINFO.h"

class NotTaxablePurchaseCondition {
public:
    // Points into the context's month condition, which must outlive this object.
    explicit NotTaxablePurchaseCondition(AggregationContext& context);
    NotTaxablePurchaseCondition(const NotTaxablePurchaseCondition&) = delete;
    NotTaxablePurchaseCondition& operator=(const NotTaxablePurchaseCondition&) = delete;

    const StFINDINFO* Info() const { return top_.Info(); }

private:
    StFINDRECORD<2> top_{};
    StFINDITEM sides_[2]{};
    StFINDITEM debit_[3]{};
    StFINDITEM credit_[3]{};
};
