#include "platform/SystemServices.h"

#include <gtest/gtest.h>

namespace {

std::string FullWidth(const std::string& text) {
    char buffer[256];
    const int length = platform::LCMapString(LCMAP_FULLWIDTH, text.data(), static_cast<int>(text.size()), buffer,
                                             sizeof buffer);
    return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace

TEST(FullWidth, AsciiBecomesFullWidthForms) {
    EXPECT_EQ(FullWidth("Ab9 z"), "Ａｂ９　ｚ");
    EXPECT_EQ(FullWidth("\\~"), "＼～");
    EXPECT_EQ(FullWidth("\"'"), "\xFA\x57\xFA\x56");  // the quote forms of the IBM extension
    EXPECT_EQ(FullWidth("!#$%&()*+,-./:;<=>?@[]^_`{|}"), "！＃＄％＆（）＊＋，－．／：；＜＝＞？＠［］＾＿｀｛｜｝");
}

TEST(FullWidth, KatakanaComposesVoicedMarks) {
    EXPECT_EQ(FullWidth("ｶﾞｷﾞﾊﾟﾎﾟｳﾞ"), "ガギパポヴ");
    EXPECT_EQ(FullWidth("ｱﾞﾜﾞ"), "ア゛ワ゛");  // no composed character: the mark stands alone
    EXPECT_EQ(FullWidth("ﾃﾞｰﾀ｡｢ﾟ｣"), "データ。「゜」");
    EXPECT_EQ(FullWidth("ﾊﾞ"), "バ");
    // A mark that no katakana takes becomes the spacing mark, never '?'.
    EXPECT_EQ(FullWidth("ﾞ"), "゛");
    EXPECT_EQ(FullWidth("Aﾞﾞﾟ"), "Ａ゛゛゜");
    EXPECT_EQ(FullWidth("ｶﾟﾊﾞﾟ"), "カ゜バ゜");
}

TEST(FullWidth, DoubleByteTextStaysAndSizesAreChecked) {
    EXPECT_EQ(FullWidth("表ソＡ"), "表ソＡ");
    char small[3];
    EXPECT_EQ(platform::LCMapString(LCMAP_FULLWIDTH, "ab", 2, small, sizeof small), 0);
    EXPECT_EQ(platform::LCMapString(LCMAP_FULLWIDTH, "ab", 2, nullptr, 0), 4);
    char terminated[8];
    EXPECT_EQ(platform::LCMapString(LCMAP_FULLWIDTH, "a", -1, terminated, sizeof terminated), 3);
    EXPECT_STREQ(terminated, "ａ");
}

TEST(FullWidth, LeadBytesOfCp932) {
    EXPECT_TRUE(platform::IsDBCSLeadByte(0x81));
    EXPECT_TRUE(platform::IsDBCSLeadByte(0x9F));
    EXPECT_TRUE(platform::IsDBCSLeadByte(0xE0));
    EXPECT_TRUE(platform::IsDBCSLeadByte(0xFC));
    EXPECT_FALSE(platform::IsDBCSLeadByte(0x80));
    EXPECT_FALSE(platform::IsDBCSLeadByte(0xA0));
    EXPECT_FALSE(platform::IsDBCSLeadByte(0xDF));  // half-width katakana are single bytes
    EXPECT_FALSE(platform::IsDBCSLeadByte(0xFD));
}
