#include "platform/WinTypes.h"
#include "platform/WorldError.h"
#include "platform/script/UiScript.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

ScriptAction Parse(const std::string& line) { return *UiScript::ParseLine(line, 7); }

std::string ErrorOf(const std::string& line) {
    try {
        UiScript::ParseLine(line, 7);
    } catch (const WorldError& error) {
        return error.what();
    }
    return "";
}

}  // namespace

TEST(UiScript, ParsesEveryKindOfLine) {
    const ScriptAction text = Parse(Utf8(u8"text 1008 C:\\出力\\a b.xml\r"));
    EXPECT_EQ(text.kind, ScriptAction::Kind::Text);
    EXPECT_EQ(text.control, 1008);
    EXPECT_EQ(text.text, "C:\\出力\\a b.xml");  // converted to the program's CP932
    EXPECT_EQ(text.line, 7);
    EXPECT_EQ(Parse("text 1014").text, "");
    EXPECT_EQ(Parse("text 1014  x").text, " x");

    EXPECT_EQ(Parse("  click 1005").control, 1005);
    const ScriptAction key = Parse("key shift+ctrl+Enter 1014");
    EXPECT_EQ(key.virtualKey, VK_RETURN);
    EXPECT_TRUE(key.shift && key.ctrl && !key.alt);
    EXPECT_EQ(key.control, 1014);
    EXPECT_EQ(Parse("key esc").virtualKey, VK_ESCAPE);
    EXPECT_EQ(Parse("key alt+F12").control, 0);
    EXPECT_EQ(Parse("answer Yes").answer, "yes");
    EXPECT_EQ(Parse("save Z:\\tmp\\a b.xml ").text, "Z:\\tmp\\a b.xml");
    EXPECT_EQ(Parse("save-cancel").kind, ScriptAction::Kind::SaveCancel);
    EXPECT_FALSE(UiScript::ParseLine("   # a comment", 1));
    EXPECT_FALSE(UiScript::ParseLine("", 1));
}

TEST(UiScript, MalformedLinesNameTheirLine) {
    for (const char* line : {"clik 1005", "click", "click 10x5", "click 0", "key F5", "key super+Enter",
                             "answer maybe", "save", "save-cancel now", "text abc"}) {
        EXPECT_NE(ErrorOf(line).find("UI script line 7"), std::string::npos) << line;
    }
    EXPECT_NE(ErrorOf("text 1008 \xFF").find("UTF-8"), std::string::npos);
}

// A typed character that Shift_JIS lacks reaches the program as '?', as Windows gives it to a
// program of code page 932: never an empty text, never a look-alike, never the script's error.
TEST(UiScript, TypedCharacterWithoutAShiftJisFormArrivesAsAQuestionMark) {
    EXPECT_EQ(Parse(Utf8(u8"text 1008 C:\\出力\\\uD55C\uAE00.xml")).text, "C:\\出力\\??.xml");
    EXPECT_EQ(Parse(Utf8(u8"save C:\\caf\u00E9\\a.xml")).text, "C:\\caf?\\a.xml");
    EXPECT_EQ(Parse(Utf8(u8"text 1008 \u2460\uFF5E")).text, "\x87\x40\x81\x60");  // CP932 has these two
}

TEST(UiScript, TakesLinesInOrderAndCountsTheUnused) {
    UiScript script = UiScript::FromText("# start\nclick 1\n\nclick 2\nclick 3\n");
    ASSERT_NE(script.Peek(), nullptr);
    EXPECT_EQ(script.Peek()->line, 2);
    EXPECT_EQ(script.Take()->control, 1);
    EXPECT_EQ(script.Take()->line, 4);
    EXPECT_EQ(script.UnusedLineCount(), 1);
    EXPECT_EQ(script.Take()->control, 3);
    EXPECT_EQ(script.Take(), std::nullopt);
    EXPECT_EQ(script.Peek(), nullptr);
}
