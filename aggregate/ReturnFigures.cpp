#include "aggregate/ReturnFigures.h"

#include "aggregate/DecimalAmount.h"
#include "aggregate/CoreObjects.h"
#include "aggregate/TaxRateClass.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClRuleShohizeiShinkoku.h"
#include "core_api/ClSetShohizei.h"
#include "core_api/SetObject.h"

#include <algorithm>

namespace {

void StampRates(std::span<StTAXREPORTRATEINFO> rates) {
    const std::size_t count = std::min(rates.size(), TaxRateClasses::kAll.size());
    for (std::size_t i = 0; i < count; ++i) {
        rates[i].taxRate = TaxRateClasses::kAll[i].rateHundredths;
        rates[i].reduced = TaxRateClasses::kAll[i].reduced ? 1 : 0;
    }
}

void StampBusinessTypes(const StTAXREPORTRATEINFO& rate, std::span<StTAXREPORTBUSINESSTYPEINFO> businessTypes) {
    for (int category = 1; category <= kBusinessTypesPerRate; ++category) {
        StTAXREPORTBUSINESSTYPEINFO& record = businessTypes[category - 1];
        record.taxRate = rate.taxRate;
        record.reduced = rate.reduced;
        record.business = static_cast<std::uint8_t>(category);
    }
}

std::int64_t Securities(std::int64_t fivePercent) {
    return DecimalAmount::ToStored(
        DecimalAmount::MultiplyByInteger(DecimalAmount::FromStored(fivePercent), kSecuritiesFactor));
}

}  // namespace

bool ReturnFigures(AggregationContext& context, std::span<StTAXREPORTRATEINFO> rates,
                   std::span<StTAXREPORTBUSINESSTYPEINFO> businessTypes, std::int32_t substituteRate) {
    auto* settings = DataManagerSetObject<SetObject::TaxSettings>();
    if (settings == nullptr) return false;
    // The arrays hold at least the five rates the return is built for; never run past them.
    const std::size_t counted = static_cast<std::uint16_t>(static_cast<std::int16_t>(settings->GetTaxRateCount()));
    const std::size_t rateCount = std::min({counted, rates.size(), businessTypes.size() / kBusinessTypesPerRate});

    StampRates(rates);
    for (std::size_t i = 0; i < rateCount; ++i) {
        context.activity.Sweep();
        StampBusinessTypes(rates[i], businessTypes.subspan(i * kBusinessTypesPerRate, kBusinessTypesPerRate));
    }
    if (!EnsureRule(context.returnRule)) return false;
    context.returnRule->SetSubstTaxRate(substituteRate);
    context.returnRule->SumTax(static_cast<std::uint8_t>(context.taxMethod), context.monthCondition.Info(), rates.data(), businessTypes.data());
    for (std::size_t i = 0; i < rateCount; ++i) rates[i].securitiesSales = Securities(rates[i].securitiesSales);
    return true;
}
