// Tells a scripted run that waits for ever from one that works: a watchdog that ticks while a
// system dialog's own loop runs reports each tick and each answer delivered; the run has
// stalled when the loop ticked on for the limit without an answer delivered. A gap between two
// ticks longer than workGap is the program at work (no loop ran) and starts the clock again,
// so a long aggregation never counts as waiting.
#pragma once

#include <cstdint>

class StallWatch {
public:
    StallWatch(std::uint32_t limitMs, std::uint32_t workGapMs) : limit_(limitMs), workGap_(workGapMs) {}

    void Delivered() { ++delivered_; }
    // A tick of the loop at nowMs (a wrapping millisecond clock); true when the run has stalled.
    bool Tick(std::uint32_t nowMs) {
        if (!ticked_ || delivered_ != watched_ || nowMs - lastTick_ > workGap_) {
            watched_ = delivered_;
            since_ = nowMs;
        }
        ticked_ = true;
        lastTick_ = nowMs;
        return nowMs - since_ >= limit_;
    }
    std::uint32_t LimitMs() const { return limit_; }

private:
    std::uint32_t limit_;
    std::uint32_t workGap_;
    std::uint64_t delivered_ = 0;
    std::uint64_t watched_ = 0;
    std::uint32_t since_ = 0;
    std::uint32_t lastTick_ = 0;
    bool ticked_ = false;
};
