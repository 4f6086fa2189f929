// What the calls that only count or sum need of a data set's journal, gathered in one walk: the
// lines grouped by their small fields (BookLine::codes: each side's rate, category, reduced flag
// and business, and the month position), with each group's line count and side sums; and the
// company's figures of each account. A count or a sum then visits the groups, not the lines.
// Sums wrap, so a group's sums add up to what the walk over its lines gives.
#pragma once

#include "core_api/standin/Books.h"
#include "core_api/standin/FlatIndex.h"

#include <cstdint>
#include <vector>

namespace StandIn {

struct LineGroup {
    std::uint64_t codes = 0;
    std::int64_t lines = 0;
    // Sums of the debit [0] and credit [1] sides.
    std::int64_t amount[2] = {};
    std::int64_t tax[2] = {};
    std::int64_t twentieth[2] = {};  // each line's amount / 20, truncated

    void Add(const BookLine& line);
    // The group of one line.
    static LineGroup Of(const BookLine& line);
};

class JournalSummary {
public:
    explicit JournalSummary(const BookDataSet& dataSet);
    // At most maxGroups groups, else line by line.
    JournalSummary(const BookDataSet& dataSet, std::size_t maxGroups);
    JournalSummary(const JournalSummary&) = delete;
    JournalSummary& operator=(const JournalSummary&) = delete;

    // visit(const LineGroup&) for every group. Books whose lines share their small fields too
    // seldom for groups to pay are visited line by line, each line its own group.
    template <typename Visit>
    void ForEachGroup(Visit visit) const {
        if (grouped_) {
            for (const LineGroup& group : groups_) visit(group);
            return;
        }
        for (const BookLine& line : dataSet_.journal) visit(LineGroup::Of(line));
    }

    bool Grouped() const { return grouped_; }

    // The position of an account in the books (FlatIndex<std::int32_t>::kNone when none).
    std::uint32_t AccountPosition(std::int32_t code) const { return accounts_.Find(code); }
    // Each account's figures (books order) over its own sides, as if it were not a total line
    // and had no explicit slots.
    const std::vector<SlotFigures>& CompanySides() const { return companySides_; }

private:
    void AddToGroups(const BookLine& line);
    void AddToCompany(const BookLine& line);

    const BookDataSet& dataSet_;
    FlatIndex<std::int32_t> accounts_;
    std::vector<SlotFigures> companySides_;
    bool grouped_ = true;
    std::size_t maxGroups_ = 0;
    FlatIndex<std::uint64_t> groupOfCodes_;
    std::vector<LineGroup> groups_;
};

// The period slot of a month position: 1-12 as they are, 18 -> 13, 15 -> 14; 0 for others.
int PeriodSlotOf(std::int16_t monthKind);
// A side's amount to the debit or credit figure of a slot, and amount + tax to its
// including-tax figure.
void AddSideToSlot(SlotFigures& figures, const BookSide& side, bool isDebit, int slot);

}  // namespace StandIn
