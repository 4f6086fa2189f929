// "SUPPORT.INF" as the reader sees it: lines to NULs, the two multi-line fields rejoined, the
// first occurrence of a marker, nothing past the 30000-byte buffer.
#include "report/SupportInfoReader.h"

#include "tests/support/HostFixture.h"
#include "tests/support/ProgramRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

const std::string kInquiry = "[=お問い合わせ内容=]";
const std::string kSteps = "[=症状が再現する手順や条件=]";

class SupportInfoReaderTest : public HostFixture {
protected:
    // The program's folder C:\Prog\ is the current directory.
    void SetUp() override {
        HostFixture::SetUp();
        std::filesystem::create_directories(folder_ + "/c/Prog");
    }
    void WriteSupportInfo(const std::string& bytes) {
        std::ofstream(folder_ + "/c/Prog/SUPPORT.INF", std::ios::binary) << bytes;
    }
    void Start() {
        HostConfig config;
        config.currentDirectory = "C:\\Prog\\";
        StartHost("", config);
    }
};

TEST_F(SupportInfoReaderTest, ReadsBothValuesOfAnOrdinaryFile) {
    WriteSupportInfo("[=会社名=]表ソ申\r\n[=製品名=]帳簿星２１ Alto 表\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\r\nnext line\r\n");
    Start();
    SupportInfoReader reader(nullptr);
    EXPECT_EQ(reader.ProductName(), "帳簿星２１ Alto 表");
    EXPECT_EQ(reader.ProductVersion(), "21.00.05");
    EXPECT_EQ(reader.Lookup("[=会社名=]"), "表ソ申");
    EXPECT_TRUE(Events("msgbox").empty());
}

// A lead byte cut off by a line's end neither joins the next line nor stays as half a character.
TEST_F(SupportInfoReaderTest, ALoneLeadByteBeforeALineEndStaysOnItsLine) {
    const struct {
        std::string file;
        std::string name;
    } cases[] = {
        {"[=製品名=]Alto\x81\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\r\n", "Alto"},
        {"[=製品名=]Alto\x81\x1A[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\r\n", "Alto"},
        {"[=製品名=]Alto表\xE0", "Alto表"},
        // A multi-line field on the name's line keeps its own line ends, not the name.
        {"[=製品名=]Alto [=お問い合わせ内容=]a\r\nb\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\r\n", "Alto [=お問い合わせ内容=]a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSupportInfo(c.file);
        Start();
        SupportInfoReader reader(nullptr);
        EXPECT_EQ(reader.ProductName(), c.name);
        if (c.file.find("\r\n[=") != std::string::npos) {
            EXPECT_EQ(reader.ProductVersion(), "21.00.05");
        }
    }
}

TEST_F(SupportInfoReaderTest, MissingFileOrMarkerGivesEmptyValues) {
    Start();
    SupportInfoReader absent(nullptr);
    EXPECT_EQ(absent.ProductName(), "");
    EXPECT_EQ(absent.ProductVersion(), "");

    WriteSupportInfo("[=製品名=]\r\n[=その他=]x\r\n");
    SupportInfoReader markerAlone(nullptr);
    EXPECT_EQ(markerAlone.ProductName(), "");
    EXPECT_EQ(markerAlone.ProductVersion(), "");
}

TEST_F(SupportInfoReaderTest, FirstOccurrenceAtACharacterStartWins) {
    // ー is 0x81 0x5B: its trail byte and what follows spell the marker, but no marker starts
    // there; of the two real markers the first counts.
    WriteSupportInfo("[=メモ=]ー=製品名=]trail\r\n[=製品名=]first\r\n[=製品名=]second\r\n");
    Start();
    SupportInfoReader reader(nullptr);
    EXPECT_EQ(reader.ProductName(), "first");
}

TEST_F(SupportInfoReaderTest, MultiLineFieldsKeepTheirLineEndsUpToTheNextMarker) {
    WriteSupportInfo("[=製品名=]name\r\n" + kInquiry + "one\r\ntwo\r\n\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\r\n" + kSteps +
                     "step 1\r\nstep 2\r\n");
    Start();
    SupportInfoReader reader(nullptr);
    EXPECT_EQ(reader.Lookup(kInquiry), "one\r\ntwo\r\n");
    EXPECT_EQ(reader.ProductVersion(), "21.00.05");
    EXPECT_EQ(reader.ProductName(), "name");
    // The last field runs to the end of the file.
    EXPECT_EQ(reader.Lookup(kSteps), "step 1\r\nstep 2\r\n");
}

TEST_F(SupportInfoReaderTest, EndOfFileMarkOrTheFilesEndEndsAValue) {
    WriteSupportInfo("[=製品名=]name\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\x1A");
    Start();
    SupportInfoReader reader(nullptr);
    EXPECT_EQ(reader.ProductVersion(), "21.00.05");
    EXPECT_EQ(reader.ProductName(), "name");

    WriteSupportInfo("[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05");
    EXPECT_EQ(SupportInfoReader(nullptr).ProductVersion(), "21.00.05");
}

TEST_F(SupportInfoReaderTest, NothingPastTheFirst30000BytesIsSeen) {
    const std::string filler = "[=余白=]" + std::string(SupportInfoReader::kBufferSize, 'x') + "\r\n";
    WriteSupportInfo("[=製品名=]early\r\n" + filler + "[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\r\n");
    Start();
    SupportInfoReader reader(nullptr);
    EXPECT_EQ(reader.ProductName(), "early");
    EXPECT_EQ(reader.ProductVersion(), "");

    // A value that the buffer's end cuts ends there: ten of its bytes are inside.
    const std::string name = "[=製品名=]";
    const std::string pad = "[=余白=]";
    const std::size_t padding = SupportInfoReader::kBufferSize - 10 - name.size() - pad.size() - 2;
    WriteSupportInfo(pad + std::string(padding, 'x') + "\r\n" + name + "0123456789ABCDEF\r\n");
    EXPECT_EQ(SupportInfoReader(nullptr).ProductName(), "0123456789");
}

TEST_F(SupportInfoReaderTest, LongValuesAreCutAt255BytesWithoutSplittingACharacter) {
    std::string kanji;
    for (int i = 0; i < 200; ++i) kanji += "表";
    WriteSupportInfo("[=製品名=]a" + kanji + "\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]" + kanji + "\r\n");
    Start();
    SupportInfoReader reader(nullptr);
    EXPECT_EQ(reader.ProductName(), "a" + kanji.substr(0, 254));  // 255 bytes
    EXPECT_EQ(reader.ProductVersion(), kanji.substr(0, 254));     // the 128th character would split
}

class StarvedReader : public SupportInfoReader {
public:
    using SupportInfoReader::SupportInfoReader;

protected:
    std::unique_ptr<char[]> AllocateBuffer() override { return nullptr; }
};

TEST_F(SupportInfoReaderTest, NoBufferShowsOneMessageAndGivesEmptyValues) {
    WriteSupportInfo("[=製品名=]name\r\n");
    Start();
    StarvedReader reader(nullptr);
    EXPECT_EQ(reader.ProductName(), "");
    EXPECT_EQ(reader.ProductVersion(), "");
    const auto boxes = Events("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]["text"], Utf8(u8"ﾒﾓﾘが不足しています。"));
    EXPECT_EQ(boxes[0]["caption"], Utf8(u8"消費税"));
    EXPECT_EQ(boxes[0]["buttons"], "ok");
    EXPECT_EQ(boxes[0]["icon"], "warning");
}

}  // namespace
