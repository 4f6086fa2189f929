#include "report/CompanyName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) repeated += text;
    return repeated;
}

TEST(CompanyName, FullWidthNamesAreCutAfter32Bytes) {
    const std::string twenty = Repeat("株式会社表ソ申商事", 2) + "東京";  // 20 characters
    EXPECT_EQ(ConvertCompanyName(twenty), twenty.substr(0, 32));
    EXPECT_EQ(ConvertCompanyName(Repeat("表", 16)), Repeat("表", 16));
}

TEST(CompanyName, HalfWidthTextBecomesFullWidth) {
    EXPECT_EQ(ConvertCompanyName("ABCDEFGHIJ"), "ＡＢＣＤＥＦＧＨＩＪ");
    EXPECT_EQ(ConvertCompanyName("ｶﾞｽ&Co. 1"), "ガス＆Ｃｏ．　１");
    // 17 letters widen to 34 bytes: the 17th does not fit.
    EXPECT_EQ(ConvertCompanyName("ABCDEFGHIJKLMNOPQ"), "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰ");
}

TEST(CompanyName, CutNeverSplitsACharacter) {
    // A tab stays one byte, so byte 32 is the lead byte of the 16th character, which goes.
    EXPECT_EQ(ConvertCompanyName("\t" + Repeat("表", 16)), "\t" + Repeat("表", 15));
}

TEST(CompanyName, EmptyNameStaysEmpty) { EXPECT_EQ(ConvertCompanyName(""), ""); }

}  // namespace
