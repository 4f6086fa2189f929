// Account totals of one data set, per account and period slot, for the company and per
// department. A journal side adds its amount to the debit or credit figure (and amount + tax
// to the including-tax one) of its month's slot; a total line sums its members; an account's
// explicit slots replace the computed figures. The company's side figures come from the
// journal summary; a department's are summed in one pass at the first department move.
#pragma once

#include "core_api/standin/Books.h"
#include "core_api/standin/JournalSummary.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace StandIn {

class AccountTotals {
public:
    AccountTotals(const BookDataSet& dataSet, const JournalSummary& summary);

    // Figures of the account at index (books order) over every side; an account's explicit
    // slots replace them.
    const SlotFigures& Company(std::size_t account);
    // Figures of the account over the sides of one department (explicit slots do not apply).
    const SlotFigures& Department(std::size_t account, std::int32_t department);

private:
    static std::uint64_t Key(std::int32_t department, std::size_t account) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(department)) << 32) | account;
    }
    void SumDepartmentSides();
    // The position of an account's member, or nullopt when the books have no such account.
    std::optional<std::size_t> PositionOf(std::int32_t code) const;
    const SlotFigures& ResolveCompany(std::size_t account);
    const SlotFigures& ResolveDepartment(std::size_t account, std::int32_t department);

    const BookDataSet& dataSet_;
    const JournalSummary& summary_;
    std::vector<SlotFigures> company_;
    std::vector<bool> companyResolved_;
    bool departmentsSummed_ = false;
    std::unordered_map<std::uint64_t, SlotFigures> departmentLeaves_;
    std::unordered_map<std::uint64_t, SlotFigures> departmentTotals_;
    SlotFigures zero_{};
};

}  // namespace StandIn
