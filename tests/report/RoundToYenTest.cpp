#include "report/RoundToYen.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::int64_t Yen(double yen) { return static_cast<std::int64_t>(yen * 10000 + (yen < 0 ? -0.5 : 0.5)); }

TEST(RoundToYen, DigitCarryHasItsThresholdAtPoint4445) {
    EXPECT_EQ(RoundToYen(Yen(12.4444), 0), 12);
    EXPECT_EQ(RoundToYen(Yen(12.4445), 0), 13);
    EXPECT_EQ(RoundToYen(Yen(12.5), 0), 13);
    EXPECT_EQ(RoundToYen(Yen(12.0449), 0), 12);
    EXPECT_EQ(RoundToYen(Yen(12.9999), 0), 13);
    EXPECT_EQ(RoundToYen(Yen(12), 0), 12);
}

TEST(RoundToYen, DownAndUp) {
    EXPECT_EQ(RoundToYen(Yen(12.9999), 1), 12);
    EXPECT_EQ(RoundToYen(Yen(12.0001), 2), 13);
    EXPECT_EQ(RoundToYen(Yen(12.0000), 2), 12);
}

TEST(RoundToYen, UnknownModeDropsTheFraction) {
    EXPECT_EQ(RoundToYen(Yen(12.9999), 3), 12);
    EXPECT_EQ(RoundToYen(Yen(12.9999), 255), 12);
}

TEST(RoundToYen, NegativeAmountsRoundTheirMagnitude) {
    EXPECT_EQ(RoundToYen(Yen(-12.4445), 0), -13);
    EXPECT_EQ(RoundToYen(Yen(-12.4444), 0), -12);
    EXPECT_EQ(RoundToYen(Yen(-12.0001), 2), -13);
    EXPECT_EQ(RoundToYen(Yen(-12.9999), 1), -12);
    EXPECT_EQ(RoundToYen(-1, 2), -1);
    EXPECT_EQ(RoundToYen(-1, 0), 0);
}

TEST(RoundToYen, ExtremesDoNotOverflow) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(RoundToYen(kMax, 2), kMax / 10000 + 1);
    EXPECT_EQ(RoundToYen(std::numeric_limits<std::int64_t>::min(), 1), -(kMax / 10000));
}

}  // namespace
