// The account list's nodes by account code, so that each journal line finds the nodes its
// sides apply to without walking the whole list. The visits keep list order, so a pass gives
// exactly what a walk over the list would give.
#pragma once

#include "aggregate/AggregationContext.h"
#include "core_api/StSWKTINFO.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class AccountListIndex {
public:
    // The set of the pass a node's class belongs to; negative for a class in none of them,
    // whose nodes no side applies to.
    using SetOfClass = int (*)(std::uint32_t accountClass);

    AccountListIndex() = default;  // no nodes
    AccountListIndex(const AccountList& list, SetOfClass setOf);

    // Calls visit(set, isDebit) for each node, in list order, that a side of the line applies
    // to (the side's account is the node's); on a node both sides apply to, debit first. The
    // nodes of a side not wanted are left out, as if it had none.
    template <class Visit>
    void ForEachSide(const StSWKTINFO& line, bool debitWanted, bool creditWanted, Visit&& visit) const {
        // Both looked up, the unwanted one's count then taken as 0: no branch on a side's
        // category, which the journal's lines vary at random.
        const std::span<const Node> debit = NodesOf(line.debit.account);
        const std::span<const Node> credit = NodesOf(line.credit.account);
        const std::size_t debitCount = debit.size() * std::size_t{debitWanted};
        const std::size_t creditCount = credit.size() * std::size_t{creditWanted};
        // Mostly one node on one side: taken without a branch on which side it is.
        if (debitCount + creditCount == 1) {
            const bool isDebit = debitCount != 0;
            visit((isDebit ? debit.data() : credit.data())->set, isDebit);
            return;
        }
        std::size_t d = 0;
        std::size_t c = 0;
        while (d < debitCount || c < creditCount) {
            if (c == creditCount || (d < debitCount && debit[d].position <= credit[c].position)) {
                visit(debit[d++].set, true);
            } else {
                visit(credit[c++].set, false);
            }
        }
    }

    template <class Visit>
    void ForEachSide(const StSWKTINFO& line, Visit&& visit) const {
        ForEachSide(line, true, true, visit);
    }

private:
    struct Node {
        std::size_t position;
        int set;
    };
    // The nodes of one account code: nodes_[begin, end).
    struct Slot {
        std::int32_t account = 0;
        std::uint32_t begin = 0;
        std::uint32_t end = 0;  // begin == end: an empty slot
    };

    // The codes' nodes by code - first_ when the codes lie close together (a line's lookup is
    // then one load), else in an open-addressed table of a power-of-two size at least twice
    // the codes (a multiplication and, mostly, one probe).
    std::span<const Node> NodesOf(std::int32_t account) const {
        if (!dense_.empty()) {
            // A code outside the table takes its last slot, which is empty: no branch on codes
            // that the journal's lines vary at random.
            const std::uint64_t offset = static_cast<std::uint64_t>(std::int64_t{account} - first_);
            const Slot& slot = dense_[offset < denseSize_ ? offset : denseSize_];
            return std::span<const Node>(nodes_.data() + slot.begin, slot.end - slot.begin);
        }
        if (slots_.empty()) return {};
        for (std::size_t at = SlotOf(account);; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.begin == slot.end) return {};
            if (slot.account == account) return std::span<const Node>(nodes_.data() + slot.begin, slot.end - slot.begin);
        }
    }
    std::size_t SlotOf(std::int32_t account) const {
        return (static_cast<std::uint32_t>(account) * 0x9E3779B1u >> shift_) & mask_;
    }
    void Place(std::int32_t account, std::uint32_t begin, std::uint32_t end);

    std::vector<Node> nodes_;  // by account code, in list order within a code
    std::vector<Slot> dense_;
    std::uint64_t denseSize_ = 0;
    std::int64_t first_ = 0;
    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    int shift_ = 0;
};
