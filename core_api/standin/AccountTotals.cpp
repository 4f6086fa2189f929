#include "core_api/standin/AccountTotals.h"

namespace StandIn {

namespace {

// Sums wrap instead of overflowing: the stand-in never stops on absurd books.
std::int64_t Plus(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    __builtin_add_overflow(a, b, &r);
    return r;
}

void AddSide(SlotFigures& figures, const BookSide& side, bool isDebit, int slot) {
    std::int64_t incl = Plus(side.amount, side.tax);
    if (isDebit) {
        figures.debit[slot] = Plus(figures.debit[slot], side.amount);
        figures.debitIncl[slot] = Plus(figures.debitIncl[slot], incl);
    } else {
        figures.credit[slot] = Plus(figures.credit[slot], side.amount);
        figures.creditIncl[slot] = Plus(figures.creditIncl[slot], incl);
    }
}

void AddFigures(SlotFigures& into, const SlotFigures& from) {
    for (int s = 0; s < kPeriodSlotCount; ++s) {
        into.debit[s] = Plus(into.debit[s], from.debit[s]);
        into.debitIncl[s] = Plus(into.debitIncl[s], from.debitIncl[s]);
        into.credit[s] = Plus(into.credit[s], from.credit[s]);
        into.creditIncl[s] = Plus(into.creditIncl[s], from.creditIncl[s]);
    }
}

}  // namespace

AccountTotals::AccountTotals(const BookDataSet& dataSet) : dataSet_(dataSet) {
    for (std::size_t i = 0; i < dataSet.accounts.size(); ++i) indexOfCode_.emplace(dataSet.accounts[i].code, i);
}

int AccountTotals::SlotOf(std::int16_t monthKind) {
    if (monthKind >= 1 && monthKind <= 12) return monthKind;
    if (monthKind == 18) return 13;
    if (monthKind == 15) return 14;
    return 0;
}

void AccountTotals::SumCompanySides() {
    companyLeaves_.assign(dataSet_.accounts.size(), SlotFigures{});
    for (const BookLine& line : dataSet_.journal) {
        int slot = SlotOf(line.MonthKind());
        for (int selector = 1; selector <= 2; ++selector) {
            const BookSide side = line.Side(selector);
            auto it = indexOfCode_.find(side.account);
            if (it != indexOfCode_.end()) AddSide(companyLeaves_[it->second], side, selector == 1, slot);
        }
    }
    company_.assign(dataSet_.accounts.size(), SlotFigures{});
    companyResolved_.assign(dataSet_.accounts.size(), false);
    companySummed_ = true;
}

// Total lines are sums of their members; the loader has refused cycles.
const SlotFigures& AccountTotals::ResolveCompany(std::size_t account) {
    if (companyResolved_[account]) return company_[account];
    const BookAccount& master = dataSet_.accounts[account];
    SlotFigures figures{};
    if (master.slots) {
        figures = *master.slots;
    } else if (master.total) {
        for (std::int32_t member : master.members) {
            auto it = indexOfCode_.find(member);
            if (it != indexOfCode_.end()) AddFigures(figures, ResolveCompany(it->second));
        }
    } else {
        figures = companyLeaves_[account];
    }
    company_[account] = figures;
    companyResolved_[account] = true;
    return company_[account];
}

const SlotFigures& AccountTotals::Company(std::size_t account) {
    if (!companySummed_) SumCompanySides();
    return ResolveCompany(account);
}

void AccountTotals::SumDepartmentSides() {
    for (const BookLine& line : dataSet_.journal) {
        int slot = SlotOf(line.MonthKind());
        for (int selector = 1; selector <= 2; ++selector) {
            const BookSide side = line.Side(selector);
            auto it = indexOfCode_.find(side.account);
            if (it != indexOfCode_.end())
                AddSide(departmentLeaves_[Key(side.department, it->second)], side, selector == 1, slot);
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
    for (std::int32_t member : master.members) {
        auto it = indexOfCode_.find(member);
        if (it != indexOfCode_.end()) AddFigures(figures, ResolveDepartment(it->second, department));
    }
    return departmentTotals_.emplace(key, figures).first->second;
}

const SlotFigures& AccountTotals::Department(std::size_t account, std::int32_t department) {
    if (!departmentsSummed_) SumDepartmentSides();
    return ResolveDepartment(account, department);
}

}  // namespace StandIn
