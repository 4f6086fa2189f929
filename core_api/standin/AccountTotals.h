// Account totals of one data set, per account and period slot, for the company and per
// department. A journal side adds its amount to the debit or credit figure (and amount + tax
// to the including-tax one) of its month's slot; a total line sums its members; an account's
// explicit slots replace the computed figures. Computed on first use, in one pass each.
#pragma once

#include "core_api/standin/Books.h"

#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

namespace StandIn {

class AccountTotals {
public:
    explicit AccountTotals(const BookDataSet& dataSet);

    // Figures of the account at index (books order) over every side; an account's explicit
    // slots replace them.
    const SlotFigures& Company(std::size_t account);
    // Figures of the account over the sides of one department (explicit slots do not apply).
    const SlotFigures& Department(std::size_t account, std::int32_t department);

    // The period slot of a month position: 1-12 as they are, 18 -> 13, 15 -> 14; 0 for others.
    static int SlotOf(std::int16_t monthKind);

private:
    static std::uint64_t Key(std::int32_t department, std::size_t account) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(department)) << 32) | account;
    }
    void SumCompanySides();
    void SumDepartmentSides();
    const SlotFigures& ResolveCompany(std::size_t account);
    const SlotFigures& ResolveDepartment(std::size_t account, std::int32_t department);

    const BookDataSet& dataSet_;
    std::unordered_map<std::int32_t, std::size_t> indexOfCode_;
    bool companySummed_ = false;
    std::vector<SlotFigures> companyLeaves_;
    std::vector<SlotFigures> company_;
    std::vector<bool> companyResolved_;
    bool departmentsSummed_ = false;
    std::unordered_map<std::uint64_t, SlotFigures> departmentLeaves_;
    std::unordered_map<std::uint64_t, SlotFigures> departmentTotals_;
    SlotFigures zero_{};
};

}  // namespace StandIn
