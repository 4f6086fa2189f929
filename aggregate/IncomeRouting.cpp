#include "aggregate/IncomeRouting.h"

namespace {

// The department's class and link, as the core marks them.
struct DepartmentFlags {
    explicit DepartmentFlags(const StBUMONINFO& department)
        : s1(department.departmentClass == 1 && department.departmentLink == 0),
          s2(department.departmentClass == 1 && department.departmentLink != 0),
          s3(department.departmentClass == 2) {}
    bool s1;
    bool s2;
    bool s3;
};

bool BusinessIncomeType(std::uint8_t incomeType) { return incomeType == 1 || incomeType == 8; }
bool RealEstateIncomeType(std::uint8_t incomeType) { return incomeType == 3; }

}  // namespace

IncomeGroups RouteByIncome(std::uint8_t incomeKind, const StBUMONINFO* department) {
    IncomeGroups groups;
    if (incomeKind == IncomeKind::kBusinessOnly) groups.business = true;
    if (incomeKind == IncomeKind::kRealEstateOnly) groups.realEstate = true;
    if (!IncomeKind::IsMixed(incomeKind)) return groups;
    if (department == nullptr) {
        groups.business = true;
        return groups;
    }
    const DepartmentFlags flags(*department);
    const std::uint8_t type = department->incomeType;
    groups.business = (BusinessIncomeType(type) || flags.s1) && !flags.s3;
    groups.realEstate = RealEstateIncomeType(type) && !flags.s3;
    groups.other = (!BusinessIncomeType(type) && !RealEstateIncomeType(type) && !flags.s1) || flags.s2 || flags.s3;
    return groups;
}
