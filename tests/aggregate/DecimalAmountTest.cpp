#include "aggregate/DecimalAmount.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using D = DecimalAmount;

D Stored(std::int64_t s) { return D::FromStored(s); }
std::int64_t ToStored(const D& a) { return D::ToStored(a); }

constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();

TEST(DecimalAmount, ConvertsStoredFiguresBothWays) {
    EXPECT_EQ(Stored(-1), (D{0, 1, -1}));
    EXPECT_EQ(Stored(123456789), (D{12345, 6789, 1}));
    EXPECT_EQ(Stored(0), D::Zero());
    for (std::int64_t s : {std::int64_t{-1}, std::int64_t{0}, std::int64_t{-123456789},
                           kInt64Max, kInt64Min}) {
        EXPECT_EQ(ToStored(Stored(s)), s) << s;
    }
}

TEST(DecimalAmount, AddIsExactAndNormalisesZero) {
    EXPECT_EQ(D::Add(Stored(7), Stored(-7)), D::Zero());
    EXPECT_EQ(ToStored(D::Add(Stored(-12345), Stored(2))), -12343);
    EXPECT_EQ(ToStored(D::Add(Stored(9999), Stored(1))), 10000);
}

TEST(DecimalAmount, AddRefusesSumsFromTenToTheEighteenth) {
    const std::int64_t limit = 1000000000000000000;
    EXPECT_EQ(ToStored(D::Add(Stored(limit - 2), Stored(1))), limit - 1);
    EXPECT_EQ(ToStored(D::Add(Stored(-(limit - 2)), Stored(-1))), -(limit - 1));
    EXPECT_THROW(D::Add(Stored(limit - 1), Stored(1)), AmountOverflow);
    EXPECT_THROW(D::Add(Stored(-(limit - 1)), Stored(-1)), AmountOverflow);
    EXPECT_THROW(D::Add(Stored(kInt64Max), Stored(kInt64Max)), AmountOverflow);
    // The accumulation steps and Subtract have no such limit.
    EXPECT_EQ(ToStored(D::AddToStored(limit - 1, Stored(1))), limit);
    EXPECT_EQ(ToStored(D::SubtractFromStored(-(limit - 1), Stored(1))), -limit);
    EXPECT_EQ(ToStored(D::Subtract(Stored(limit), Stored(-limit))), 2 * limit);
}

TEST(DecimalAmount, OverflowCarriesMinusOne) {
    try {
        D::Add(Stored(1000000000000000000), Stored(0));
        FAIL() << "no overflow";
    } catch (const AmountOverflow& overflow) {
        EXPECT_EQ(overflow.code(), -1);
    }
}

TEST(DecimalAmount, UnlimitedStepsStillRefuseToWrapAround) {
    EXPECT_THROW(D::AddToStored(kInt64Max, Stored(1)), AmountOverflow);
    EXPECT_THROW(D::SubtractFromStored(kInt64Min, Stored(1)), AmountOverflow);
    EXPECT_THROW(D::Subtract(Stored(kInt64Min), Stored(1)), AmountOverflow);
    EXPECT_EQ(ToStored(D::SubtractFromStored(kInt64Min + 1, Stored(1))), kInt64Min);
}

TEST(DecimalAmount, MultiplyByIntegerCarriesAndTakesBothSigns) {
    EXPECT_EQ(ToStored(D::MultiplyByInteger(Stored(1), 20)), 20);
    EXPECT_EQ(ToStored(D::MultiplyByInteger(Stored(-12345), 20)), -246900);
    EXPECT_EQ(ToStored(D::MultiplyByInteger(Stored(12345), -20)), -246900);
    EXPECT_EQ(ToStored(D::MultiplyByInteger(Stored(-12345), -20)), 246900);
    EXPECT_EQ(D::MultiplyByInteger(Stored(-12345), 0), D::Zero());
    EXPECT_EQ(ToStored(D::MultiplyByInteger(Stored(10000), std::numeric_limits<std::int32_t>::min())),
              -21474836480000);
}

TEST(DecimalAmount, MultiplyByIntegerOverflowsOnTheWholePart) {
    const D big = Stored(kInt64Max / 20);  // whole part close to int64 max / 200000
    EXPECT_THROW(D::MultiplyByInteger(D{kInt64Max / 19, 0, 1}, 20), AmountOverflow);
    EXPECT_NO_THROW(D::MultiplyByInteger(big, 20));
}

TEST(DecimalAmount, MultiplyRoundsTheFractionProductHalfUp) {
    EXPECT_EQ(ToStored(D::Multiply(Stored(5000), Stored(1))), 1);  // 0.00005 rounds up
    EXPECT_EQ(D::Multiply(Stored(4999), Stored(1)), D::Zero());
    EXPECT_EQ(D::Multiply(Stored(-4999), Stored(1)), D::Zero());  // no negative zero
    EXPECT_EQ(ToStored(D::Multiply(Stored(15000), Stored(15000))), 22500);  // 1.5 * 1.5
    // 2.0001 * 3.5: 6 + round(0.00005) + 2 * 0.5 + 3 * 0.0001, carried into the whole part.
    EXPECT_EQ(ToStored(D::Multiply(Stored(-20001), Stored(35000))), -70004);
    EXPECT_EQ(ToStored(D::Multiply(Stored(-20001), Stored(-35000))), 70004);
}

TEST(DecimalAmount, MultiplyOverflowsOnTheWholeProduct) {
    const D twoPow32 = D{std::int64_t{1} << 32, 0, 1};
    EXPECT_THROW(D::Multiply(twoPow32, twoPow32), AmountOverflow);
    EXPECT_EQ(D::Multiply(twoPow32, D{std::int64_t{1} << 30, 0, -1}).whole, std::int64_t{1} << 62);
}

}  // namespace
