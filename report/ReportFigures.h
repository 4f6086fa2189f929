// The figures of the run that the report's sections write, as the run driver hands them over.
#pragma once

#include "aggregate/TaxTotals.h"
#include "core_api/StSaveTaxInfo.h"
#include "core_api/StTAXREPORTBUSINESSTYPEINFO.h"
#include "core_api/StTAXREPORTRATEINFO.h"
#include "core_api/TaxMethod.h"

#include <cstdint>
#include <span>

// The figures of the run that the sections write.
struct ReportFigures {
    std::span<const StTAXREPORTRATEINFO> rates;
    std::span<const StTAXREPORTBUSINESSTYPEINFO> businessTypes;
    const TaxTotals* totals = nullptr;
    const StSaveTaxInfo* savedReturn = nullptr;
    TaxMethod taxMethod = TaxMethod::Exempt;
    std::uint8_t roundingMode = 0;

    // The totals and the saved return, all zero where the run has none.
    const TaxTotals& Totals() const {
        static constexpr TaxTotals kNone{};
        return totals != nullptr ? *totals : kNone;
    }
    const StSaveTaxInfo& SavedReturn() const {
        static constexpr StSaveTaxInfo kNone{};
        return savedReturn != nullptr ? *savedReturn : kNone;
    }
};
