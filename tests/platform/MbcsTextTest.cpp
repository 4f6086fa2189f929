#include "platform/MbcsText.h"

#include <gtest/gtest.h>

// 表, ソ and 申 end in the byte 0x5C, which must never pass for a backslash.
TEST(MbcsText, TrailByteBackslashIsNoSeparator) {
    for (const std::string text : {"C:\\表", "C:\\ソ", "C:\\申"}) {
        ASSERT_EQ(static_cast<unsigned char>(text.back()), 0x5C) << text;
        EXPECT_FALSE(MbcsText::EndsWithBackslash(text));
        EXPECT_TRUE(MbcsText::EndsWithTrailByte(text));
        EXPECT_EQ(MbcsText::FindLast(text, '\\'), 2u);
        EXPECT_EQ(MbcsText::LastCharStart(text), 3u);
    }
    EXPECT_TRUE(MbcsText::EndsWithBackslash("C:\\表\\"));
    EXPECT_EQ(MbcsText::Find("表\\a", '\\'), 2u);
    EXPECT_EQ(MbcsText::FindAnyOf("ソ|", "\\|"), 2u);
    EXPECT_EQ(MbcsText::FindText("表\\\\x", "\\\\"), 2u);
}

TEST(MbcsText, CutNeverSplitsACharacter) {
    EXPECT_EQ(MbcsText::CutAt("ab表", 3), "ab");
    EXPECT_EQ(MbcsText::CutAt("ab表", 4), "ab表");
    EXPECT_EQ(MbcsText::CharLength("\x81", 0), 1u);  // a lead byte at the end stands alone
}

TEST(MbcsText, EqualNoCaseFoldsAsciiOnly) {
    EXPECT_TRUE(MbcsText::EqualNoCase("Tx31", "tX31"));
    EXPECT_FALSE(MbcsText::EqualNoCase("表a", "表b"));
    // セ (0x83 0x5A) and ホ (0x83 0x7A): folding a trail byte would make them equal.
    EXPECT_FALSE(MbcsText::EqualNoCase("\x83\x5A", "\x83\x7A"));
}

TEST(MbcsText, TrimAndListEntriesKeepDoubleByteCharacters) {
    EXPECT_EQ(MbcsText::Trim(" \t表 \t"), "表");
    EXPECT_EQ(MbcsText::Trim("  "), "");
    EXPECT_EQ(MbcsText::Trim("値\r", " \r"), "値");
    const struct {
        std::string text;
        char separator;
        std::vector<std::string_view> entries;
    } cases[] = {
        {"C:=/a ; ;D:=/b,cdrom;", ';', {"C:=/a", "D:=/b,cdrom"}},
        {" mkdir-fail=表 , replace-fail", ',', {"mkdir-fail=表", "replace-fail"}},
        {"ソ;申", ';', {"ソ", "申"}},  // trail bytes 0x5C are no separators and stay whole
        {" ; ", ';', {}},
        {"", ',', {}},
    };
    for (const auto& c : cases) EXPECT_EQ(MbcsText::ListEntries(c.text, c.separator), c.entries) << c.text;
}
