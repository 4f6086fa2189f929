#include "platform/script/StallWatch.h"

#include <gtest/gtest.h>

namespace {

// Ticks every 10 ms from `from` up to (not including) `to`; true when one of them stalled.
bool TicksStall(StallWatch& watch, std::uint32_t from, std::uint32_t to) {
    for (std::uint32_t now = from; now != to; now += 10) {
        if (watch.Tick(now)) return true;
    }
    return false;
}

TEST(StallWatch, LoopsWithoutADeliveredStepStallAtTheLimit) {
    StallWatch watch(20000, 2000);
    EXPECT_FALSE(TicksStall(watch, 0, 20000));
    EXPECT_TRUE(watch.Tick(20000));
}

TEST(StallWatch, EachDeliveredStepStartsTheClockAgain) {
    StallWatch watch(20000, 2000);
    EXPECT_FALSE(TicksStall(watch, 0, 15000));
    watch.Delivered();
    EXPECT_FALSE(TicksStall(watch, 15000, 35000));
    EXPECT_TRUE(watch.Tick(35000));
}

// A minute of aggregation without a loop, then a message box whose loop ticks: no stall yet.
TEST(StallWatch, WorkBetweenTicksIsNoWaiting) {
    StallWatch watch(20000, 2000);
    EXPECT_FALSE(TicksStall(watch, 0, 1000));
    EXPECT_FALSE(watch.Tick(61000));
    EXPECT_FALSE(TicksStall(watch, 61000, 81000));
    EXPECT_TRUE(watch.Tick(81000));
}

TEST(StallWatch, TheClockMayWrap) {
    StallWatch watch(20000, 2000);
    const std::uint32_t start = 0xFFFFFFFFu - 5000;
    EXPECT_FALSE(TicksStall(watch, start, start + 20000));
    EXPECT_TRUE(watch.Tick(start + 20000));
}

}  // namespace
