// The report sequence in-process: the whole file byte for byte against lines built here from
// the rules, the ends that whole programs cannot reach yet (a DATA writer failing on its own)
// or that are this sequence's own (the lost end tag), and how the file takes the
// destination's place. Write failures section by section are driven through whole programs in
// the report scenarios and the fault sweep.
#include "report/ReportDocument.h"

#include "platform/CFile.h"
#include "platform/SystemServices.h"

#include "tests/support/HostFixture.h"
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kDataQuestion = Utf8(u8"連動情報の出力に失敗しました。\n\n出力を続けますか？");
const std::string kSystemQuestion = Utf8(u8"システム情報の出力に失敗しました。\n\n出力を続けますか？");
const std::string kBasicQuestion = Utf8(u8"基本情報の出力に失敗しました。\n\n出力を続けますか？");
const std::string kNotFinished = Utf8(u8"連動情報ファイルの出力を完了できませんでした。\n\nアプリケーションを終了します。");

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
        figures_.taxMethod = TaxMethod::General;
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
    bool Write(const DataSectionFunction& data = WholeData) {
        return WriteReport(request_, figures_, dataSet_, ReportMethod::Journal, data);
    }
    std::string Report() const {
        std::ifstream in(folder_ + "/c/out.xml", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool HasReport() const { return std::filesystem::exists(folder_ + "/c/out.xml"); }
    void PutReport(const std::string& bytes) const { std::ofstream(folder_ + "/c/out.xml", std::ios::binary) << bytes; }
    // Every file of drive C:, so that a successor left behind shows.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_ + "/c")) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
    // The texts of the message boxes: the questions (Yes/No) and the closing warning (OK).
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& box : Events("msgbox")) {
            EXPECT_EQ(box["buttons"], box["text"] == kNotFinished ? "ok" : "yesno");
            EXPECT_EQ(box["icon"], "warning");
            EXPECT_EQ(box["caption"], Utf8(u8"消費税"));
            texts.push_back(box["text"]);
        }
        return texts;
    }

    static bool WholeData(XmlReportWriter& writer) {
        return writer.OpenElement("DATA", 1) && writer.CloseElement("DATA", 1);
    }
    // A DATA writer that gives up on its own, the file still fine.
    static bool FailingData(XmlReportWriter& writer) {
        writer.OpenElement("DATA", 1);
        return false;
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
    EXPECT_TRUE(Write());
    EXPECT_EQ(Report(), kWholeJournalReport);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Files(), std::vector<std::string>{"out.xml"});
}

TEST_F(ReportDocumentTest, DataFailingWithoutFileErrorIsNeverAFinishedReport) {
    for (const std::string answer : {"yes", "no"}) {
        Begin("answer " + answer + "\n");
        EXPECT_FALSE(Write(FailingData)) << answer;
        EXPECT_FALSE(HasReport()) << answer;
        const std::vector<std::string> afterYes{kDataQuestion, kNotFinished};
        const std::vector<std::string> afterNo{kDataQuestion};  // the user's own stop needs no warning
        EXPECT_EQ(Messages(), answer == "yes" ? afterYes : afterNo) << answer;
        EXPECT_TRUE(Files().empty()) << answer;
    }
}

TEST_F(ReportDocumentTest, LostEndTagIsAFailureWithAWarningInsteadOfAQuestion) {
    Begin("", "write-fail-after=" + std::to_string(kWholeJournalReport.size() - 1));
    EXPECT_FALSE(Write());
    EXPECT_FALSE(HasReport());
    EXPECT_EQ(Messages(), std::vector<std::string>{kNotFinished});
}

// What the destination holds after a run: the new report only when it is whole; otherwise
// what it held before, an older report or nothing. No successor stays either way.
TEST_F(ReportDocumentTest, DestinationChangesOnlyForAWholeReport) {
    const std::string older = "older report\r\n";
    struct Case {
        const char* faults;
        const char* script;
        bool olderThere;
        bool written;
    };
    const Case cases[] = {
        {"", "", true, true},
        {"write-fail-after=60", "answer no\n", true, false},
        {"write-fail-after=60", "answer yes\nanswer yes\nanswer yes\n", true, false},
        {"write-fail-after=60", "answer yes\nanswer yes\nanswer yes\n", false, false},
        {"replace-fail", "", true, false},
        {"replace-fail", "", false, false},
        {"create-fail=~tx*", "answer no\n", true, false},
        {"create-fail=~tx*", "answer no\n", false, false},
        {"create-fail=out.xml", "answer no\n", true, false},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.faults) + (c.olderThere ? " over an older report" : "");
        std::filesystem::remove(folder_ + "/c/out.xml");
        if (c.olderThere) PutReport(older);
        Begin(c.script, c.faults);
        EXPECT_EQ(Write(), c.written) << what;
        if (c.written) EXPECT_EQ(Report(), kWholeJournalReport) << what;
        else if (c.olderThere) EXPECT_EQ(Report(), older) << what;
        else EXPECT_FALSE(HasReport()) << what;
        EXPECT_EQ(Files().size(), HasReport() ? 1u : 0u) << what;
        const std::vector<std::string> messages = Messages();
        // A No is the user's own stop and needs no warning after it.
        const bool stoppedByNo = std::string_view(c.script).starts_with("answer no");
        if (c.written) EXPECT_TRUE(messages.empty()) << what;
        else if (stoppedByNo) EXPECT_EQ(messages, std::vector<std::string>{kSystemQuestion}) << what;
        else EXPECT_EQ(messages.empty() ? "" : messages.back(), kNotFinished) << what;
    }
}

// A destination that another program holds open refuses the report as a file that cannot be
// created does, and is left as it was.
TEST_F(ReportDocumentTest, DestinationHeldElsewhereRefusesTheReport) {
    PutReport("held\r\n");
    Begin("answer yes\nanswer yes\nanswer yes\n");
    CFile other;
    ASSERT_TRUE(other.Open("C:\\out.xml", CFile::modeRead | CFile::shareExclusive | CFile::typeBinary));
    EXPECT_FALSE(Write());
    other.Close();
    EXPECT_EQ(Report(), "held\r\n");
    EXPECT_EQ(Messages(), (std::vector<std::string>{kSystemQuestion, kBasicQuestion, kDataQuestion, kNotFinished}));
    EXPECT_EQ(Files(), std::vector<std::string>{"out.xml"});
}

// While the report is written, the destination is held: another exclusive open fails, and the
// successor beside it has a short name of its own.
TEST_F(ReportDocumentTest, DestinationIsHeldWhileTheSuccessorIsWritten) {
    Begin();
    bool heldMeanwhile = false;
    std::vector<std::string> filesMeanwhile;
    const auto probe = [&](XmlReportWriter& writer) {
        CFile other;
        heldMeanwhile = !other.Open("C:\\out.xml", CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary);
        filesMeanwhile = Files();
        return WholeData(writer);
    };
    EXPECT_TRUE(Write(probe));
    EXPECT_TRUE(heldMeanwhile);
    std::sort(filesMeanwhile.begin(), filesMeanwhile.end());
    ASSERT_EQ(filesMeanwhile.size(), 2u);
    EXPECT_EQ(filesMeanwhile[0], "out.xml");
    EXPECT_TRUE(filesMeanwhile[1].starts_with("~tx") && filesMeanwhile[1].size() == 11) << filesMeanwhile[1];
    EXPECT_EQ(Report(), kWholeJournalReport);
}

}  // namespace
