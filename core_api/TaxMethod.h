// How a data set's consumption tax is computed: StSHOHIZEIINFO::taxMethod.
#pragma once

#include "core_api/StSHOHIZEIINFO.h"

#include <cstdint>

enum class TaxMethod : std::uint8_t { Exempt = 0, Simplified = 1, General = 2 };

constexpr TaxMethod TaxMethodOf(const StSHOHIZEIINFO& settings) { return static_cast<TaxMethod>(settings.taxMethod); }
