// The account list's nodes by account code, so that each journal line finds the nodes its
// sides apply to without walking the whole list. The visits keep list order, so a pass gives
// exactly what a walk over the list would give.
#pragma once

#include "aggregate/AggregationContext.h"
#include "core_api/StSWKTINFO.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

class AccountListIndex {
public:
    // The set of the pass a node's class belongs to; negative for a class in none of them,
    // whose nodes no side applies to.
    using SetOfClass = int (*)(std::uint32_t accountClass);

    AccountListIndex() = default;  // no nodes
    AccountListIndex(const AccountList& list, SetOfClass setOf);

    // Calls visit(set, isDebit) for each node, in list order, that a side of the line applies
    // to (the side's account is the node's); on a node both sides apply to, debit first.
    template <class Visit>
    void ForEachSide(const StSWKTINFO& line, Visit&& visit) const {
        const std::span<const Node> debit = NodesOf(line.debit.account);
        const std::span<const Node> credit = NodesOf(line.credit.account);
        std::size_t d = 0;
        std::size_t c = 0;
        while (d < debit.size() || c < credit.size()) {
            if (c == credit.size() || (d < debit.size() && debit[d].position <= credit[c].position)) {
                visit(debit[d++].set, true);
            } else {
                visit(credit[c++].set, false);
            }
        }
    }

private:
    struct Node {
        std::size_t position;
        int set;
    };

    std::span<const Node> NodesOf(std::int32_t account) const {
        const auto found = nodes_.find(account);
        return found == nodes_.end() ? std::span<const Node>() : std::span<const Node>(found->second);
    }

    std::unordered_map<std::int32_t, std::vector<Node>> nodes_;
};
