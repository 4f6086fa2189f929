#include "report/TransitionalRateFigures.h"

#include "aggregate/ReturnFigures.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClSetShohizei.h"
#include "core_api/SetObject.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kCurrentRates = 2;  // 10% and 8% reduced come first

// The amounts of a record are packed 64-bit figures from a fixed byte offset on.
bool AnyAmount(const void* record, std::size_t offset, std::size_t count) {
    const auto* bytes = static_cast<const unsigned char*>(record) + offset;
    for (std::size_t i = 0; i < count; ++i) {
        std::int64_t amount = 0;
        std::memcpy(&amount, bytes + i * sizeof amount, sizeof amount);
        if (amount != 0) return true;
    }
    return false;
}

}  // namespace

bool HoldsTransitionalRateFigures(std::span<const StTAXREPORTRATEINFO> rates,
                                  std::span<const StTAXREPORTBUSINESSTYPEINFO> businessTypes, int rateCount) {
    if (rateCount <= kCurrentRates) return false;
    const auto lastRate = std::min<std::size_t>(static_cast<std::size_t>(rateCount), rates.size());
    for (std::size_t at = kCurrentRates; at < lastRate; ++at) {
        if (AnyAmount(&rates[at], kRateFigureOffset, kRateFigureCount)) return true;
    }
    const auto lastBusiness =
        std::min<std::size_t>(static_cast<std::size_t>(rateCount) * kBusinessTypesPerRate, businessTypes.size());
    for (std::size_t at = kCurrentRates * kBusinessTypesPerRate; at < lastBusiness; ++at) {
        if (AnyAmount(&businessTypes[at], kBusinessFigureOffset, kBusinessFigureCount)) return true;
    }
    return false;
}

bool HoldsTransitionalRateFigures(std::span<const StTAXREPORTRATEINFO> rates,
                                  std::span<const StTAXREPORTBUSINESSTYPEINFO> businessTypes) {
    auto* settings = DataManagerSetObject<SetObject::TaxSettings>();
    if (settings == nullptr) return false;
    return HoldsTransitionalRateFigures(rates, businessTypes, settings->GetTaxRateCount());
}
