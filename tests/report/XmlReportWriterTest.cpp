#include "report/XmlReportWriter.h"

#include "tests/report/ReportFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class XmlReportWriterTest : public ::testing::Test {
protected:
    // Opens out.xml in the folder; the file object outlives the writer, as callers keep it.
    void Open(const std::string& faults = {}) {
        folder_.Start(faults);
        ASSERT_TRUE(writer_.OpenFile(&file_, folder_.WindowsPath("out.xml")));
    }
    std::string Written() {
        writer_.CloseFile();
        return folder_.Read("out.xml");
    }

    ReportFolder folder_;
    CFile file_;
    XmlReportWriter writer_;
};

TEST_F(XmlReportWriterTest, WritesOneIndentedLinePerCall) {
    Open();
    EXPECT_TRUE(writer_.WriteRaw("<?xml?>\r\n"));
    EXPECT_TRUE(writer_.OpenElement("REPORT", 0));
    EXPECT_TRUE(writer_.WriteElement("V", "a&b", 3));
    EXPECT_TRUE(writer_.WriteElement("EMPTY", "", 2));
    EXPECT_TRUE(writer_.WriteElement("NEG", "x", -1));
    EXPECT_TRUE(writer_.CloseElement("REPORT", 0));
    EXPECT_EQ(Written(),
              "<?xml?>\r\n"
              "<REPORT>\r\n"
              "\t\t\t<V>a&amp;b</V>\r\n"
              "\t\t<EMPTY></EMPTY>\r\n"
              "<NEG>x</NEG>\r\n"
              "</REPORT>\r\n");
}

TEST_F(XmlReportWriterTest, EscapesEachSpecialByteInPlaceAndNothingElse) {
    EXPECT_EQ(XmlReportWriter::EscapeText("1&2>3<4\"5'6"), "1&amp;2&gt;3&lt;4&quot;5&apos;6");
    EXPECT_EQ(XmlReportWriter::EscapeText("&amp;"), "&amp;amp;");
    EXPECT_EQ(XmlReportWriter::EscapeText("a\r\nb\tc\x01"), "a\r\nb\tc\x01");
    EXPECT_EQ(XmlReportWriter::EscapeText(""), "");
}

TEST_F(XmlReportWriterTest, DoubleByteTextPassesUnchanged) {
    // 表, ソ and 申 end in 0x5C, the backslash byte; the second line holds an ampersand
    // right after a double-byte character.
    const std::string text = "\x95\x5C\x83\x5C\x90\x5C";
    Open();
    writer_.WriteElement("N", text, 1);
    writer_.WriteElement("N", text + "&", 1);
    EXPECT_EQ(Written(), "\t<N>" + text + "</N>\r\n\t<N>" + text + "&amp;</N>\r\n");
}

TEST_F(XmlReportWriterTest, AttributesNeedNameAndValueAndTheFirstBeforeTheSecond) {
    Open();
    writer_.OpenElement("A", 1, "x", "1<2", "y", "q");
    writer_.OpenElement("B", 0, "x", std::nullopt, "y", "q");
    writer_.WriteElement("C", "v", 0, "x", "");
    EXPECT_EQ(Written(), "\t<A x=\"1&lt;2\" y=\"q\">\r\n<B>\r\n<C x=\"\">v</C>\r\n");
}

TEST_F(XmlReportWriterTest, LongLinesAreWrittenWhole) {
    const std::string value(300, 'v');
    Open();
    EXPECT_TRUE(writer_.WriteElement("L", value + "<", 0));
    EXPECT_EQ(Written(), "<L>" + value + "&lt;</L>\r\n");
}

TEST_F(XmlReportWriterTest, OpeningAnExistingFileReplacesItsContent) {
    folder_.Start();
    folder_.Write("out.xml", std::string(5000, 'x'));
    ASSERT_TRUE(writer_.OpenFile(&file_, folder_.WindowsPath("out.xml")));
    writer_.OpenElement("R", 0);
    EXPECT_EQ(Written(), "<R>\r\n");
}

TEST_F(XmlReportWriterTest, OpenFileRefusesMissingArgumentsAndUncreatableFiles) {
    folder_.Start();
    EXPECT_FALSE(writer_.OpenFile(nullptr, folder_.WindowsPath("out.xml")));
    EXPECT_FALSE(writer_.OpenFile(&file_, ""));
    EXPECT_FALSE(writer_.OpenFile(&file_, folder_.WindowsPath("missing\\out.xml")));
    EXPECT_FALSE(writer_.WriteRaw("x"));
    EXPECT_FALSE(writer_.OpenElement("R", 0));
    writer_.CloseFile();
    EXPECT_FALSE(folder_.Exists("out.xml"));
}

TEST_F(XmlReportWriterTest, CloseFileIsHarmlessInEveryState) {
    writer_.CloseFile();  // never opened
    Open();
    writer_.OpenElement("R", 0);
    writer_.CloseFile();
    writer_.CloseFile();
    EXPECT_FALSE(writer_.CloseElement("R", 0));
    EXPECT_EQ(folder_.Read("out.xml"), "<R>\r\n");
}

TEST_F(XmlReportWriterTest, AfterAFailedWriteEveryCallAnswersZero) {
    // The file layer refuses whole any write that would pass 10 bytes: the second line.
    Open("write-fail-after=10");
    EXPECT_TRUE(writer_.OpenElement("ROOT", 0));         // 8 bytes
    EXPECT_FALSE(writer_.WriteElement("A", "1", 1));      // 11 more: refused
    EXPECT_FALSE(writer_.WriteRaw("x"));                         // would fit, but the file is closed
    EXPECT_FALSE(writer_.CloseElement("R", 0));
    EXPECT_FALSE(writer_.OpenElement("R", 0));
    writer_.CloseFile();
    writer_.CloseFile();
    EXPECT_EQ(folder_.Read("out.xml"), "<ROOT>\r\n");
}

}  // namespace
