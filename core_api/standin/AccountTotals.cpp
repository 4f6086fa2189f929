#include "core_api/standin/AccountTotals.h"

#include "core_api/standin/Wrapping.h"

namespace StandIn {

namespace {

void AddFigures(SlotFigures& into, const SlotFigures& from) {
    for (int s = 0; s < kPeriodSlotCount; ++s) {
        into.debit[s] = Plus(into.debit[s], from.debit[s]);
        into.debitIncl[s] = Plus(into.debitIncl[s], from.debitIncl[s]);
        into.credit[s] = Plus(into.credit[s], from.credit[s]);
        into.creditIncl[s] = Plus(into.creditIncl[s], from.creditIncl[s]);
    }
}

}  // namespace

AccountTotals::AccountTotals(const BookDataSet& dataSet, const JournalSummary& summary)
    : dataSet_(dataSet),
      summary_(summary),
      company_(dataSet.accounts.size()),
      companyResolved_(dataSet.accounts.size(), false) {}

std::optional<std::size_t> AccountTotals::PositionOf(std::int32_t code) const {
    const std::uint32_t at = summary_.AccountPosition(code);
    if (at == FlatIndex<std::int32_t>::kNone) return std::nullopt;
    return at;
}

// Total lines are sums of their members; the loader has refused cycles.
const SlotFigures& AccountTotals::ResolveCompany(std::size_t account) {
    if (companyResolved_[account]) return company_[account];
    const BookAccount& master = dataSet_.accounts[account];
    SlotFigures figures{};
    if (master.slots) {
        figures = *master.slots;
    } else if (master.total) {
        for (std::int32_t member : master.members)
            if (auto at = PositionOf(member)) AddFigures(figures, ResolveCompany(*at));
    } else {
        figures = summary_.CompanySides()[account];
    }
    company_[account] = figures;
    companyResolved_[account] = true;
    return company_[account];
}

const SlotFigures& AccountTotals::Company(std::size_t account) { return ResolveCompany(account); }

void AccountTotals::SumDepartmentSides() {
    for (const BookLine& line : dataSet_.journal) {
        int slot = PeriodSlotOf(line.MonthKind());
        for (int selector = 1; selector <= 2; ++selector) {
            const BookSide side = line.Side(selector);
            if (auto at = PositionOf(side.account))
                AddSideToSlot(departmentLeaves_[Key(side.department, *at)], side, selector == 1, slot);
        }
    }
    departmentsSummed_ = true;
}

const SlotFigures& AccountTotals::ResolveDepartment(std::size_t account, std::int32_t department) {
    const BookAccount& master = dataSet_.accounts[account];
    if (!master.total) {
        auto it = departmentLeaves_.find(Key(department, account));
        return it == departmentLeaves_.end() ? zero_ : it->second;
    }
    std::uint64_t key = Key(department, account);
    if (auto it = departmentTotals_.find(key); it != departmentTotals_.end()) return it->second;
    SlotFigures figures{};
    for (std::int32_t member : master.members)
        if (auto at = PositionOf(member)) AddFigures(figures, ResolveDepartment(*at, department));
    return departmentTotals_.emplace(key, figures).first->second;
}

const SlotFigures& AccountTotals::Department(std::size_t account, std::int32_t department) {
    if (!departmentsSummed_) SumDepartmentSides();
    return ResolveDepartment(account, department);
}

}  // namespace StandIn
