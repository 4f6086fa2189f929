#include "core_api/standin/JournalSummary.h"

#include "core_api/standin/Wrapping.h"

#include <algorithm>

namespace StandIn {

namespace {

// Beyond this many groups a line in sixteen, or a thousand, grouping costs more memory than
// the walks it saves.
std::size_t MaxGroups(std::size_t lines) { return std::max<std::size_t>(1024, lines / 16); }

}  // namespace

void LineGroup::Add(const BookLine& line) {
    ++lines;
    for (int i = 0; i < 2; ++i) {
        amount[i] = Plus(amount[i], line.amount[i]);
        tax[i] = Plus(tax[i], line.tax[i]);
        twentieth[i] = Plus(twentieth[i], line.amount[i] / 20);
    }
}

LineGroup LineGroup::Of(const BookLine& line) {
    LineGroup group;
    group.codes = line.codes;
    group.Add(line);
    return group;
}

int PeriodSlotOf(std::int16_t monthKind) {
    if (monthKind >= 1 && monthKind <= 12) return monthKind;
    if (monthKind == 18) return 13;
    if (monthKind == 15) return 14;
    return 0;
}

void AddSideToSlot(SlotFigures& figures, const BookSide& side, bool isDebit, int slot) {
    const std::int64_t incl = Plus(side.amount, side.tax);
    if (isDebit) {
        figures.debit[slot] = Plus(figures.debit[slot], side.amount);
        figures.debitIncl[slot] = Plus(figures.debitIncl[slot], incl);
    } else {
        figures.credit[slot] = Plus(figures.credit[slot], side.amount);
        figures.creditIncl[slot] = Plus(figures.creditIncl[slot], incl);
    }
}

JournalSummary::JournalSummary(const BookDataSet& dataSet)
    : JournalSummary(dataSet, MaxGroups(dataSet.journal.size())) {}

JournalSummary::JournalSummary(const BookDataSet& dataSet, std::size_t maxGroups)
    : dataSet_(dataSet), companySides_(dataSet.accounts.size()), maxGroups_(maxGroups) {
    for (std::size_t i = 0; i < dataSet.accounts.size(); ++i)
        accounts_.Insert(dataSet.accounts[i].code, static_cast<std::uint32_t>(i));
    for (const BookLine& line : dataSet.journal) {
        AddToCompany(line);
        if (grouped_) AddToGroups(line);
    }
}

void JournalSummary::AddToGroups(const BookLine& line) {
    std::uint32_t at = groupOfCodes_.Find(line.codes);
    if (at == FlatIndex<std::uint64_t>::kNone) {
        if (groups_.size() == maxGroups_) {
            grouped_ = false;
            groups_ = {};
            groupOfCodes_ = {};
            return;
        }
        at = static_cast<std::uint32_t>(groups_.size());
        groupOfCodes_.Insert(line.codes, at);
        groups_.push_back(LineGroup{line.codes});
    }
    groups_[at].Add(line);
}

void JournalSummary::AddToCompany(const BookLine& line) {
    const int slot = PeriodSlotOf(line.MonthKind());
    for (int selector = 1; selector <= 2; ++selector) {
        const BookSide side = line.Side(selector);
        const std::uint32_t at = accounts_.Find(side.account);
        if (at != FlatIndex<std::int32_t>::kNone) AddSideToSlot(companySides_[at], side, selector == 1, slot);
    }
}

}  // namespace StandIn
