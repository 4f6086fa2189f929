// The generation of the filing application that the chosen range belongs to, and the standard
// tax rate (hundredths of a percent) that lines without a rate take for it.
#pragma once

#include "core_api/TaxMethod.h"

#include <cstdint>
#include <string>

struct FilingGeneration {
    std::string executable;
    std::int32_t substituteRate = 0;
};

FilingGeneration ChooseFilingGeneration(std::int32_t firstDay, std::int32_t lastDay, TaxMethod taxMethod);
