// The income groups an individual's figure counts for: by the data set's income kind and,
// for the mixed kinds 3 to 6, by the department the figure belongs to. The three tests are
// independent; a figure may count for several groups, or for none.
#pragma once

#include "core_api/StBUMONINFO.h"

#include <cstdint>

enum class IncomeGroup { Business, RealEstate, Other };

struct IncomeGroups {
    bool business = false;
    bool realEstate = false;
    bool other = false;

    bool Has(IncomeGroup group) const {
        return group == IncomeGroup::Business ? business : group == IncomeGroup::RealEstate ? realEstate : other;
    }
};

inline constexpr IncomeGroup kIncomeGroups[] = {IncomeGroup::Business, IncomeGroup::RealEstate, IncomeGroup::Other};

// department: the department the figure belongs to, null when none is present.
IncomeGroups RouteByIncome(std::uint8_t incomeKind, const StBUMONINFO* department);
