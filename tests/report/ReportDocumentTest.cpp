// The report sequence in-process: the whole file byte for byte against lines built here from
// the rules, and the ends that whole programs cannot reach yet (a DATA writer failing on its
// own) or that are this sequence's own (the lost end tag). Write failures section by section
// are driven through whole programs in the report scenarios.
#include "report/ReportDocument.h"

#include "tests/support/HostFixture.h"
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kDataQuestion = Utf8(u8"連動情報の出力に失敗しました。\n\n出力を続けますか？");

std::string Tabs(int depth) { return std::string(static_cast<std::size_t>(depth), '\t'); }
std::string Start(int depth, const std::string& name) { return Tabs(depth) + "<" + name + ">\r\n"; }
std::string End(int depth, const std::string& name) { return Tabs(depth) + "</" + name + ">\r\n"; }
std::string Value(const std::string& name, const std::string& value) {
    return Tabs(2) + "<" + name + ">" + value + "</" + name + ">\r\n";
}

const std::string kHead = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<REPORT>\r\n";

std::string System(const std::string& functionId, const std::string& name, const std::string& version) {
    return Start(1, "SYSTEM") + Value("GYOUMUPREFIX", "TX31") + Value("VERSION", "1") +
           Value("FUNCTIONID", functionId) + Value("CONNECTEDPROGRAMVER", "21.02.03") + Value("PROGRAMNAME", name) +
           Value("PROGRAMVER", version) + End(1, "SYSTEM");
}

std::string Basic(const std::vector<std::string>& values) {
    const char* names[] = {"KOMONSAKINAME",          "JIGYOUNENDOFROM",     "JIGYOUNENDOTO",
                           "HOUJINKOJINKUBUN",       "KAZEIKUBUN",          "KEIKASHOCHIKAZEISHISAN",
                           "URIAGEZEIGAKUKEISAN",    "SHIIREZEIGAKUKEISAN"};
    std::string lines = Start(1, "BASIC");
    for (std::size_t i = 0; i < values.size(); ++i) lines += Value(names[i], values[i]);
    return lines + End(1, "BASIC");
}

const std::string kData = Start(1, "DATA") + End(1, "DATA");
const std::string kTail = "</REPORT>\r\n";

class ReportDocumentTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        LoadBooks(ScenarioBooks());
        std::strcpy(dataSet_.companyName, "表ソ&Co.");
        dataSet_.periodFirst = 20240401;
        dataSet_.periodLast = 20250331;
        dataSet_.entityKind = 1;
        figures_.rates = rates_;
        figures_.businessTypes = business_;
        figures_.taxMethod = 2;
        request_.outputPath = "C:\\out.xml";
        request_.functionId = -7;
        request_.productName = "帳簿星２１ Alto";
    }

    // The script answers the questions; the program's folder C:\ is the current directory.
    void Begin(const std::string& script = "", const std::string& faults = "") {
        HostConfig config;
        config.faults = faults;
        config.currentDirectory = "C:\\";
        StartHost(script, config);
    }
    int Write(const DataSectionFunction& data = WholeData) {
        return WriteReport(request_, figures_, dataSet_, ReportMethod::Journal, data);
    }
    std::string Report() const {
        std::ifstream in(folder_ + "/c/out.xml", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Questions() {
        std::vector<std::string> texts;
        for (const auto& box : Events("msgbox")) {
            EXPECT_EQ(box["buttons"], "yesno");
            EXPECT_EQ(box["icon"], "warning");
            EXPECT_EQ(box["caption"], Utf8(u8"消費税"));
            texts.push_back(box["text"]);
        }
        return texts;
    }

    static int WholeData(XmlReportWriter& writer, std::string& line) {
        return writer.OpenElement(line, "DATA", 1) && writer.CloseElement(line, "DATA", 1);
    }
    // A DATA writer that gives up on its own, the file still fine.
    static int FailingData(XmlReportWriter& writer, std::string& line) {
        writer.OpenElement(line, "DATA", 1);
        return 0;
    }

    StDATAINFO dataSet_{};
    std::vector<StTAXREPORTRATEINFO> rates_ = std::vector<StTAXREPORTRATEINFO>(5);
    std::vector<StTAXREPORTBUSINESSTYPEINFO> business_ = std::vector<StTAXREPORTBUSINESSTYPEINFO>(30);
    ReportFigures figures_;
    ReportRequest request_;
};

const std::string kJournalBasic = Basic({"表ソ＆Ｃｏ．", "20240401", "20250331", "1", "1", "2", "1", "1"});
const std::string kWholeJournalReport =
    kHead + System("-7", "帳簿星２１ Alto", "21.00.0X") + kJournalBasic + kData + kTail;

TEST_F(ReportDocumentTest, JournalReportByteForByte) {
    Begin();
    EXPECT_EQ(Write(), 1);
    EXPECT_EQ(Report(), kWholeJournalReport);
    EXPECT_TRUE(Questions().empty());
}

TEST_F(ReportDocumentTest, DataFailingWithoutFileErrorStillEndsTheReport) {
    for (const std::string answer : {"yes", "no"}) {
        Begin("answer " + answer + "\n");
        EXPECT_EQ(Write(FailingData), answer == "yes" ? 1 : 0);
        EXPECT_EQ(Report(), kHead + System("-7", "帳簿星２１ Alto", "21.00.0X") + kJournalBasic + Start(1, "DATA") +
                                kTail);
        EXPECT_EQ(Questions(), std::vector<std::string>{kDataQuestion});
    }
}

TEST_F(ReportDocumentTest, LostEndTagIsAFailureWithAWarningInsteadOfAQuestion) {
    Begin("", "write-fail-after=" + std::to_string(kWholeJournalReport.size() - 1));
    EXPECT_EQ(Write(), 0);
    EXPECT_EQ(Report(), kWholeJournalReport.substr(0, kWholeJournalReport.size() - kTail.size()));
    const auto boxes = Events("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.front()["buttons"], "ok");
    EXPECT_EQ(boxes.front()["text"], Utf8(u8"連動情報ファイルの出力を完了できませんでした。\n\nアプリケーションを終了します。"));
}

}  // namespace
