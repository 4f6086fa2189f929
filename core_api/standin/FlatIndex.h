// Positions by integer key in an open-addressed table of a power-of-two size kept at least twice
// the keys: the journal walks look up keys for every line, where a node-based map's division
// and pointer chase would cost more than the work they index.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace StandIn {

template <typename Key>
class FlatIndex {
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    std::uint32_t Find(Key key) const {
        if (slots_.empty()) return kNone;
        for (std::size_t at = SlotOf(key);; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.position == kNone || slot.key == key) return slot.position;
        }
    }

    // Keeps the position of a key already held.
    void Insert(Key key, std::uint32_t position) {
        if (2 * (size_ + 1) > slots_.size()) Grow();
        for (std::size_t at = SlotOf(key);; at = (at + 1) & mask_) {
            Slot& slot = slots_[at];
            if (slot.position != kNone && slot.key != key) continue;
            if (slot.position == kNone) slot = {key, position}, ++size_;
            return;
        }
    }

    std::size_t Size() const { return size_; }

private:
    struct Slot {
        Key key{};
        std::uint32_t position = kNone;
    };

    std::size_t SlotOf(Key key) const {
        return static_cast<std::size_t>(static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15ull >> shift_);
    }

    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        const std::size_t size = old.empty() ? 16 : old.size() * 2;
        slots_.assign(size, Slot{});
        mask_ = size - 1;
        shift_ = 64 - std::countr_zero(size);
        size_ = 0;
        for (const Slot& slot : old)
            if (slot.position != kNone) Insert(slot.key, slot.position);
    }

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    int shift_ = 64;
    std::size_t size_ = 0;
};

}  // namespace StandIn
