// Which departments the core keeps account totals of their own for; the accounts of the
// others are read from the company's totals.
#pragma once

#include "core_api/StBUMONINFO.h"

#include <cstdint>

namespace DepartmentTotals {

inline constexpr std::uint8_t kOwnTotalsClassA = 1;
inline constexpr std::uint8_t kOwnTotalsClassB = 2;

constexpr bool AreItsOwn(const StBUMONINFO& department) {
    return department.departmentClass == kOwnTotalsClassA || department.departmentClass == kOwnTotalsClassB;
}

}  // namespace DepartmentTotals
