// Japanese folder and file names through whole programs: the program's own folder, the host
// folder of a drive, the settings folder and the report, with names whose CP932 trail bytes
// are 0x5C (表 ソ 能) and 0x7C (ポ), which a byte-wise reading takes for \ and |.
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// Started without a calling program, a run remembers its path and ends with this message.
const std::string kFinished = Utf8(u8"消費税情報の出力が終了しました。\n\nアプリケーションを終了します。");
const std::string kReportHead = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<REPORT>\r\n";

std::string Content(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A host path below a folder, its Japanese names given in UTF-8.
fs::path Below(const std::string& folder, const char8_t* names) { return fs::path(folder) / fs::path(names); }

class JapanesePathScenario : public ::testing::Test {
protected:
    void SetUp() override { folder_ = MakeTemporaryFolder("japanese"); }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::string folder_;
};

TEST_F(JapanesePathScenario, ProgramInAJapaneseFolderWritesItsReportUnderAJapaneseName) {
    ProgramSetup setup;
    setup.programFolder = Below(folder_, u8"連動帳表").string();
    nlohmann::json books = ScenarioBooks();
    books["folders"]["settings"] = Utf8(u8"C:\\設定ソ\\");
    setup.books = books.dump();
    // The output folder does not exist: the dialog asks to create it.
    setup.script = Utf8(u8"text 1008 C:\\出力ソ\\ポイント表.xml\nclick 1005\nanswer yes\n");
    const ProgramRun run = RunProgram(setup);
    ASSERT_EQ(run.exitStatus, 0) << run.stderrText;

    const std::string report = Content(Below(run.folder, u8"c/出力ソ/ポイント表.xml"));
    EXPECT_EQ(report.substr(0, kReportHead.size()), kReportHead);
    EXPECT_NE(report.find("</REPORT>\r\n"), std::string::npos);
    // The settings file keeps the path in the program's own CP932 bytes.
    EXPECT_EQ(Content(Below(run.folder, u8"c/設定ソ/TxLinkAlto.env")), "yamada/1/2:0/4/3/C:\\出力ソ\\ポイント表.xml\n");
    for (const auto& dialog : run.Events("dialog")) {
        if (dialog["id"] == 130 && dialog["action"] == "end") {
            EXPECT_EQ(dialog["controls"]["1008"]["text"], Utf8(u8"C:\\出力ソ\\ポイント表.xml"));
        }
    }
    EXPECT_EQ(run.MessageTexts().back(), kFinished);
}

TEST_F(JapanesePathScenario, DriveOnAJapaneseHostFolderTakesReportsAndRemembersThem) {
    const fs::path drive = Below(folder_, u8"ドライブ能");
    fs::create_directories(drive / fs::path(u8"既存表"));
    ProgramSetup setup;
    setup.books = ScenarioBooks().dump();
    setup.drives = "C:=" + drive.string();
    const std::u8string names[] = {u8"既存表\\申告ソ.xml", u8"ポ.xml", u8"能|.xml"};
    // The first two are written; a real | in a name is refused and the dialog stays open.
    setup.script = "text 1008 C:\\" + Utf8(names[2].c_str()) + "\nclick 1005\n" + "text 1008 C:\\" +
                   Utf8(names[0].c_str()) + "\nclick 1005\n";
    const ProgramRun first = RunProgram(setup);
    ASSERT_EQ(first.exitStatus, 0) << first.stderrText;
    EXPECT_EQ(first.MessageTexts(),
              (std::vector<std::string>{
                  Utf8(u8"データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。"), kFinished}));
    EXPECT_EQ(Content(drive / fs::path(u8"既存表/申告ソ.xml")).substr(0, kReportHead.size()), kReportHead);

    setup.script = "text 1008 C:\\" + Utf8(names[1].c_str()) + "\nkey F12\n";
    const ProgramRun second = RunProgram(setup);
    ASSERT_EQ(second.exitStatus, 0) << second.stderrText;
    // The second run opens with the first run's path and replaces it with its own.
    EXPECT_EQ(second.Events("dialog").front()["controls"]["1008"]["text"], Utf8(u8"C:\\既存表\\申告ソ.xml"));
    EXPECT_TRUE(fs::exists(drive / fs::path(u8"ポ.xml")));
    EXPECT_EQ(Content(drive / fs::path(u8"TxLink/Settings/TxLinkAlto.env")), "yamada/1/2:0/4/3/C:\\ポ.xml\n");
}

}  // namespace
