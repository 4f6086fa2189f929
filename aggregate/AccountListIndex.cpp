#include "aggregate/AccountListIndex.h"

#include <algorithm>

namespace {

// A dense table is taken while it has at most this many slots per code (and a small floor).
constexpr std::int64_t kDenseSlotsPerCode = 8;
constexpr std::int64_t kDenseFloor = 1024;

}  // namespace

AccountListIndex::AccountListIndex(const AccountList& list, SetOfClass setOf) {
    struct Entry {
        std::int32_t account;
        Node node;
    };
    std::vector<Entry> entries;
    std::size_t position = 0;
    for (const StKAMOKUINFO& account : list) {
        const int set = setOf(account.accountClass);
        const std::int32_t code = account.code;  // a copy: the record's fields are unaligned
        if (set >= 0) entries.push_back({code, {position, set}});
        ++position;
    }
    if (entries.empty()) return;
    // Stable: the nodes of a code keep list order.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.account < b.account; });
    const std::int64_t span = std::int64_t{entries.back().account} - entries.front().account + 1;
    const auto count = static_cast<std::int64_t>(entries.size());
    if (span <= std::max(kDenseFloor, kDenseSlotsPerCode * count)) {
        first_ = entries.front().account;
        dense_.assign(static_cast<std::size_t>(span) + 1, Slot{});
        denseSize_ = static_cast<std::uint64_t>(span);
    } else {
        std::size_t size = 4;
        int bits = 2;
        while (size < 2 * entries.size()) {
            size *= 2;
            ++bits;
        }
        slots_.assign(size, Slot{});
        mask_ = size - 1;
        shift_ = 32 - bits;
    }
    nodes_.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size();) {
        const std::int32_t code = entries[i].account;
        const auto begin = static_cast<std::uint32_t>(nodes_.size());
        for (; i < entries.size() && entries[i].account == code; ++i) nodes_.push_back(entries[i].node);
        Place(code, begin, static_cast<std::uint32_t>(nodes_.size()));
    }
}

void AccountListIndex::Place(std::int32_t account, std::uint32_t begin, std::uint32_t end) {
    if (!dense_.empty()) {
        dense_[static_cast<std::size_t>(std::int64_t{account} - first_)] = Slot{account, begin, end};
        return;
    }
    std::size_t at = SlotOf(account);
    while (slots_[at].begin != slots_[at].end) at = (at + 1) & mask_;
    slots_[at] = Slot{account, begin, end};
}
