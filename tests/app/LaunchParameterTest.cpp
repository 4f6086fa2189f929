#include "app/LaunchParameter.h"

#include <gtest/gtest.h>

namespace {

struct Parsed {
    bool parent;
    RunState state;
};

Parsed Parse(const std::string& line) {
    Parsed parsed{false, {}};
    parsed.parent = ParseLaunchParameter(line, parsed.state);
    return parsed;
}

std::intptr_t Handle(const RunState& state) { return reinterpret_cast<std::intptr_t>(state.parentWindow); }

TEST(LaunchParameter, AllThreeCommasNameTheCaller) {
    const Parsed p = Parse("123,32769,5,");
    EXPECT_TRUE(p.parent);
    EXPECT_EQ(Handle(p.state), 123);
    EXPECT_EQ(p.state.notifyMessage, 32769);
    EXPECT_EQ(p.state.functionId, 5);
    EXPECT_EQ(p.state.fixedOutputPath, "");
}

TEST(LaunchParameter, MissingCommaStopsButKeepsWhatWasRead) {
    const Parsed noThird = Parse("123,32769,5");
    EXPECT_FALSE(noThird.parent);
    EXPECT_EQ(Handle(noThird.state), 123);
    EXPECT_EQ(noThird.state.notifyMessage, 32769);
    EXPECT_EQ(noThird.state.functionId, 1);

    const Parsed one = Parse("77");
    EXPECT_FALSE(one.parent);
    EXPECT_EQ(Handle(one.state), 0);

    EXPECT_FALSE(Parse("").parent);
}

TEST(LaunchParameter, RestOfTheLineIsTheFixedPathWithCommasAndBlanks) {
    const Parsed p = Parse("1,2,3,C:\\My Files\\a,b c.xml");
    EXPECT_TRUE(p.parent);
    EXPECT_EQ(p.state.fixedOutputPath, "C:\\My Files\\a,b c.xml");
    EXPECT_EQ(Parse("1,2,3,表\\ソ.xml").state.fixedOutputPath, "表\\ソ.xml");
}

TEST(LaunchParameter, NumbersAreReadAsTheRuntimeReadsThem) {
    const Parsed p = Parse("7abc, 42x,70000,");
    EXPECT_TRUE(p.parent);
    EXPECT_EQ(Handle(p.state), 7);
    EXPECT_EQ(p.state.notifyMessage, 42);
    EXPECT_EQ(p.state.functionId, static_cast<std::int16_t>(70000));
    EXPECT_EQ(Parse("1,2,-3,").state.functionId, -3);
    EXPECT_EQ(Parse("99999999999,1,1,").state.parentWindow, reinterpret_cast<HWND>(std::intptr_t{2147483647}));
}

TEST(LaunchParameter, WindowOfZeroNamesNoCallerAndLendsNoField) {
    for (const char* line : {",,,", ",,,,,,", "abc,def,ghi,", "0,32769,5,C:\\a.xml", " -0,1,2,", "+,1,2,"}) {
        const Parsed p = Parse(line);
        EXPECT_FALSE(p.parent) << line;
        EXPECT_EQ(p.state.functionId, 1) << line;
        EXPECT_EQ(p.state.fixedOutputPath, "") << line;
    }
}

TEST(LaunchParameter, TooLongForItsBufferNamesNoCallerAndReadsNothing) {
    const std::string longest = "1,2,3," + std::string(kLaunchParameterBuffer - 7, 'x');
    EXPECT_TRUE(Parse(longest).parent);
    const Parsed tooLong = Parse(longest + "y");
    EXPECT_FALSE(tooLong.parent);
    EXPECT_EQ(Handle(tooLong.state), 0);
    EXPECT_EQ(tooLong.state.fixedOutputPath, "");
    EXPECT_FALSE(Parse("1,2,3," + std::string(5000, 'z')).parent);
}

}  // namespace
