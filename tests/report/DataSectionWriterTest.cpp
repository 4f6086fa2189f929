#include "report/DataSectionWriter.h"

#include "tests/report/ReportFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace {

using Zero = DataSectionWriter::Zero;

TEST(DataSectionWriter, AmountText) {
    EXPECT_EQ(DataSectionWriter::AmountText(0), "");
    EXPECT_EQ(DataSectionWriter::AmountText(0, Zero::AsDigit), "0");
    EXPECT_EQ(DataSectionWriter::AmountText(-1234), "-1234");
    EXPECT_EQ(DataSectionWriter::AmountText(1000000), "1000000");
    EXPECT_EQ(DataSectionWriter::AmountText(std::numeric_limits<std::int64_t>::min()),
              "-9223372036854775808");
}

class DataSectionFileTest : public ::testing::Test {
protected:
    void Open(const std::string& faults = {}) {
        folder_.Start(faults);
        ASSERT_TRUE(writer_.OpenFile(&file_, folder_.WindowsPath("data.xml")));
    }
    std::string Written() {
        writer_.CloseFile();
        return folder_.Read("data.xml");
    }

    ReportFolder folder_;
    CFile file_;
    XmlReportWriter writer_;
};

TEST_F(DataSectionFileTest, WritesGroupsAndValuesAtTheirDepths) {
    Open();
    DataSectionWriter data(writer_);
    data.OpenData();
    data.OpenGroup(ReportCatalogue::IndividualRefundGroup());
    data.WriteAmount("A", 0, Zero::AsDigit);
    data.WriteAmount("B", 0);
    data.WriteAmount("C", -1234);
    data.WriteText("D", "1");
    data.WriteEmpty("E");
    EXPECT_TRUE(data.CloseGroup());
    EXPECT_FALSE(data.CloseGroup());  // nothing open any more
    data.CloseData();
    EXPECT_TRUE(data.Succeeded());
    EXPECT_EQ(Written(),
              "\t<DATA>\r\n\t\t<KANPUK>\r\n"
              "\t\t\t<A>0</A>\r\n\t\t\t<B></B>\r\n\t\t\t<C>-1234</C>\r\n\t\t\t<D>1</D>\r\n\t\t\t<E></E>\r\n"
              "\t\t</KANPUK>\r\n\t</DATA>\r\n");
}

// Every group with every value empty: the shape of the whole section.
bool WriteEmptyDataSection(XmlReportWriter& writer) {
    DataSectionWriter data(writer);
    data.OpenData();
    for (const DataGroup& group : ReportCatalogue::kDataGroups) data.WriteEmptyGroup(group);
    data.CloseData();
    return data.Succeeded();
}

// Rebuilt from the catalogue's group table, line by line.
std::string EmptyDataSection() {
    std::string expected = "\t<DATA>\r\n";
    for (const DataGroup& group : ReportCatalogue::kDataGroups) {
        const std::string id(group.identifier);
        expected += "\t\t<" + id + ">\r\n";
        for (std::string_view name : ReportCatalogue::Names(group)) {
            expected += "\t\t\t<" + std::string(name) + "></" + std::string(name) + ">\r\n";
        }
        expected += "\t\t</" + id + ">\r\n";
    }
    return expected + "\t</DATA>\r\n";
}

TEST_F(DataSectionFileTest, EmptyDataSectionHasEveryGroupAndElement) {
    Open();
    EXPECT_TRUE(WriteEmptyDataSection(writer_));
    const std::string written = Written();
    EXPECT_EQ(written, EmptyDataSection());
    // 2 DATA lines, 37 groups of 2 lines, 534 values.
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 2 + 37 * 2 + 534);
    EXPECT_NE(written.find("\t\t<D02204>\r\n\t\t\t<GIMUMENJOKAZEI10></GIMUMENJOKAZEI10>\r\n"),
              std::string::npos);
}

TEST_F(DataSectionFileTest, StopsAtTheFirstFailedWrite) {
    const std::string full = EmptyDataSection();
    const std::size_t limit = full.size() / 2;
    Open("write-fail-after=" + std::to_string(limit));
    EXPECT_FALSE(WriteEmptyDataSection(writer_));
    const std::string written = Written();
    // Whole lines only, exactly those that fitted.
    const std::size_t fitted = full.rfind("\r\n", limit - 2) + 2;
    EXPECT_EQ(written, full.substr(0, fitted));
}

TEST_F(DataSectionFileTest, NothingIsWrittenAfterAFailure) {
    Open("write-fail-after=35");
    DataSectionWriter data(writer_);
    EXPECT_TRUE(data.OpenData());                                          // 9 bytes
    EXPECT_TRUE(data.OpenGroup(ReportCatalogue::CorporateRefundGroup()));  // 12 bytes
    EXPECT_FALSE(data.WriteEmpty("LONGNAME"));                              // 27: refused
    EXPECT_FALSE(data.WriteEmpty("A"));                                     // 12 would fit
    EXPECT_FALSE(data.CloseGroup());
    EXPECT_FALSE(data.CloseData());
    EXPECT_FALSE(data.Succeeded());
    EXPECT_EQ(Written(), "\t<DATA>\r\n\t\t<KANPUH>\r\n");
}

}  // namespace
