// The income groups an individual's figure counts for: by the data set's income kind and,
// for the mixed kinds 3 to 6, by the department the figure belongs to. The three tests are
// independent; a figure may count for several groups, or for none.
#pragma once

#include "core_api/StBUMONINFO.h"

#include <cstdint>

// The data set's income kind: business income only, real-estate income only, or one of the
// mixed kinds, whose figures go to a group by their department or asset.
namespace IncomeKind {

enum : std::uint8_t { kBusinessOnly = 1, kRealEstateOnly = 2, kFirstMixed = 3, kLastMixed = 6 };

constexpr bool IsMixed(std::uint8_t kind) { return kind >= kFirstMixed && kind <= kLastMixed; }

}  // namespace IncomeKind

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
