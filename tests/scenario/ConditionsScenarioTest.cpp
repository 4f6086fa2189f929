// The conditions through whole programs: the destination messages and the month rules as a
// user meets them, the folder chain, network shares, and the settings file byte for byte.
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const std::string kLaunchedByParent = "123,32769,5,";
const std::string kSettingsFile = "c/TxLink/Settings/TxLinkAlto.env";
const std::string kCancelled = Utf8(u8"｢消費税｣の集計を中止します。");
const std::string kFinished = Utf8(u8"消費税情報の出力が終了しました。\n\nアプリケーションを終了します。");
const std::string kMonths = Utf8(u8"集計期間に誤りがあります。\n\n集計期間を設定しなおしてください。");

// A saved return that fits the scenario books, covering July to September.
nlohmann::json SavedReturn() {
    return {{"period", {20240401, 20250331}}, {"range", {20240701, 20240930}}, {"kind", 1}, {"credit", 1},
            {"interim", 1}};
}

// The run's drives live in a folder of the test's own, so that files can be put there first:
// C: (fixed), D: (CD-ROM) and the share \\srv\pub (remote).
class ConditionsScenario : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = MakeTemporaryFolder("conditions");
        for (const char* drive : {"/c", "/cd", "/pub"}) fs::create_directories(folder_ + drive);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    ProgramRun Run(const std::string& script, std::vector<std::string> args = {}, const std::string& faults = "") {
        ProgramSetup setup;
        setup.books = books_.dump();
        setup.script = script;
        setup.args = std::move(args);
        setup.faults = faults;
        setup.drives = "C:=" + folder_ + "/c;D:=" + folder_ + "/cd,cdrom;\\\\srv\\pub=" + folder_ + "/pub,remote";
        ProgramRun run = RunProgram(setup);
        fs::remove_all(run.folder);
        return run;
    }

    void Put(const std::string& path, const std::string& content) {
        const fs::path host = folder_ + "/" + path;
        fs::create_directories(host.parent_path());
        std::ofstream(host, std::ios::binary) << content;
    }
    std::string Content(const std::string& path) const {
        std::ifstream in(folder_ + "/" + path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Exists(const std::string& path) const { return fs::exists(folder_ + "/" + path); }

    std::string folder_;
    nlohmann::json books_ = ScenarioBooks();
};

TEST_F(ConditionsScenario, EachDestinationMessageKeepsTheDialogOpen) {
    const struct {
        std::string path;
        std::u8string message;
    } cases[] = {
        {"", u8"データ出力先が指定されていません。\n\n出力先を指定してください。"},
        {"C:\\Out\\*.xml", u8"データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。"},
        {"D:\\a.xml", u8"ドライブ名が有効でありません。\n\n有効なドライブを指定してください。"},
        {"C:\\Out\\", u8"ファイル名が指定されていません。"},
        // A typed character that Shift_JIS lacks reaches the program as '?', never as an
        // empty path.
        {Utf8(u8"C:\\Out\\\uD55C.xml"), u8"データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Run("text 1008 " + c.path + "\nclick 1005\n");
        EXPECT_EQ(run.exitStatus, 1) << c.path << run.stderrText;
        EXPECT_EQ(run.MessageTexts(), (std::vector<std::string>{Utf8(c.message.c_str()), kCancelled})) << c.path;
        EXPECT_EQ(run.Events("focus").back()["control"], 1008) << c.path;
        EXPECT_EQ(run.Events("focus").back()["selectAll"], true) << c.path;
    }
}

// Paths that no file can have reach the dialog from outside: a settings file saved with CR LF
// remembers a path ending in CR.
TEST_F(ConditionsScenario, PathsWithControlCharactersAreRefusedAtOnce) {
    const std::string forbidden = Utf8(u8"データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。");
    fs::create_directories(folder_ + "/c/Out");
    Put(kSettingsFile, "yamada/1/2:0/4/3/C:\\Out\\a.xml\r\n");
    const ProgramRun remembered = Run("click 1005\n");
    EXPECT_EQ(remembered.exitStatus, 1) << remembered.stderrText;
    EXPECT_EQ(remembered.MessageTexts(), (std::vector<std::string>{forbidden, kCancelled}));
}

// The calling program's command line reaches the program as it is: a TAB in a prescribed path
// is refused, and runs of blanks and quotes are kept (the quotes, too, are refused).
TEST_F(ConditionsScenario, PrescribedPathsKeepTheirBlanksAndQuotes) {
    const std::string forbidden = Utf8(u8"データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。");
    fs::create_directories(folder_ + "/c/Out");
    Put(kSettingsFile, "yamada/1/2:0/4/3/C:\\Out\\a.xml\r\n");
    const ProgramRun fixed = Run("click 1005\n", {kLaunchedByParent + "C:\\Out\\a\tb.xml"});
    EXPECT_EQ(fixed.exitStatus, 1) << fixed.stderrText;
    ASSERT_FALSE(fixed.MessageTexts().empty());
    EXPECT_EQ(fixed.MessageTexts().front(), forbidden);
    EXPECT_TRUE(fs::is_empty(folder_ + "/c/Out"));
    EXPECT_EQ(Content(kSettingsFile), "yamada/1/2:0/4/3/C:\\Out\\a.xml\r\n");

    const ProgramRun blanks = Run("click 1005\n", {kLaunchedByParent + "C:\\Out\\a  b.xml"});
    EXPECT_EQ(blanks.exitStatus, 0) << blanks.stderrText;
    EXPECT_TRUE(fs::exists(folder_ + "/c/Out/a  b.xml"));
    const ProgramRun quoted = Run("click 1005\n", {kLaunchedByParent + "\"C:\\Out\\c.xml\""});
    EXPECT_EQ(quoted.exitStatus, 1) << quoted.stderrText;
    ASSERT_FALSE(quoted.MessageTexts().empty());
    EXPECT_EQ(quoted.MessageTexts().front(), forbidden);
}

TEST_F(ConditionsScenario, FolderChainFailingAtTheThirdLevelIsUndone) {
    fs::create_directories(folder_ + "/c/Out");
    const ProgramRun run = Run("text 1008 C:\\Out\\Two\\Three\\a.xml\nclick 1005\nanswer yes\n", {}, "mkdir-fail=Three");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.MessageTexts(),
              (std::vector<std::string>{Utf8(u8"指定されたフォルダは存在しません。\n\n作成してもよろしいですか？"),
                                        Utf8(u8"フォルダの作成に失敗しました。\n\n出力先を再入力してください。"),
                                        kCancelled}));
    EXPECT_TRUE(Exists("c/Out"));
    EXPECT_FALSE(Exists("c/Out/Two"));
}

TEST_F(ConditionsScenario, ReportGoesToANewFolderOnANetworkShare) {
    const ProgramRun run = Run("text 1008 \\\\srv\\pub\\New\\a.xml\nclick 1005\nanswer yes\n");
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;
    EXPECT_TRUE(Exists("pub/New/a.xml"));
    EXPECT_EQ(Content(kSettingsFile), "yamada/1/2:0/4/3/\\\\srv\\pub\\New\\a.xml\n");
}

TEST_F(ConditionsScenario, FixedPathReplacesAnExistingFileWithoutAQuestion) {
    Put("c/Out/a.xml", "old");
    const ProgramRun fixed = Run("click 1005\n", {kLaunchedByParent + "C:\\Out\\a.xml"});
    EXPECT_EQ(fixed.exitStatus, 0) << fixed.stderrText;
    EXPECT_EQ(fixed.MessageTexts(), std::vector<std::string>{kFinished});
    EXPECT_NE(Content("c/Out/a.xml"), "old");
}

TEST_F(ConditionsScenario, EachMonthRuleStopsExecute) {
    const struct {
        std::int32_t first, last;
        std::string start, end;
        int focus;
    } cases[] = {
        {20240401, 20250331, "", "3", 1014},    // 1
        {20240401, 20250331, "4", "13", 1016},  // 2
        {20240401, 20241231, "3", "12", 1014},  // 3
        {20240101, 20240930, "1", "10", 1014},  // 4
        {20240101, 20241231, "12", "1", 1014},  // 5
        {20240401, 20250331, "11", "10", 1016}, // 6
        {20240401, 20250331, "2", "5", 1016},   // 7
        {20241001, 20250331, "5", "12", 1014},  // 8
        {20241001, 20250331, "11", "6", 1014},  // 9
    };
    for (const auto& c : cases) {
        const std::string trace = c.start + "-" + c.end + " in " + std::to_string(c.first);
        SelectedDataSet(books_)["period"] = {c.first, c.last};
        SelectedDataSet(books_)["journal"][0]["date"] = c.first;
        const ProgramRun run = Run("text 1008 C:\\a.xml\ntext 1014 " + c.start + "\ntext 1016 " + c.end + "\nkey F12\n");
        EXPECT_EQ(run.MessageTexts(), (std::vector<std::string>{kMonths, kCancelled})) << trace << run.stderrText;
        EXPECT_EQ(run.Events("focus").back()["control"], c.focus) << trace;
        EXPECT_EQ(run.Events("focus").back()["selectAll"], true) << trace;
    }
}

TEST_F(ConditionsScenario, EnterOnARadioButtonNeverExecutes) {
    SelectedDataSet(books_)["savedReturn"] = SavedReturn();
    const ProgramRun run = Run("text 1008 C:\\a.xml\nkey Enter 1029\nkey Enter 1031\n");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.MessageTexts(), std::vector<std::string>{kCancelled});
    EXPECT_FALSE(Exists("c/a.xml"));
}

// Enter with Shift or Ctrl on a push button that has the focus clicks it, as the dialog manager
// does for the button the keyboard moved to; with Alt it is a system key and clicks nothing.
TEST_F(ConditionsScenario, ModifiedEnterClicksTheFocusedButtonButAltEnterDoesNot) {
    for (const std::string modifier : {"shift", "ctrl"}) {
        const ProgramRun run = Run("text 1008 C:\\Out\\*.xml\nkey " + modifier + "+Enter 1005\n");
        EXPECT_EQ(run.MessageTexts().size(), 2u) << modifier;  // the refused path, then the cancel
        EXPECT_EQ(run.MessageTexts().back(), kCancelled) << modifier;
    }
    const ProgramRun run = Run("key alt+Enter 1009\n");
    EXPECT_EQ(run.exitStatus, 1) << run.stderrText;
    EXPECT_TRUE(run.Events("savedialog").empty());
    EXPECT_EQ(run.MessageTexts(), std::vector<std::string>{kCancelled});
}

// Browse by the keyboard: Enter on the Browse button opens the save-file dialog, which refuses a
// missing folder and a missing file (both must exist) and stays for the next answer.
TEST_F(ConditionsScenario, BrowseByKeyboardTakesRefusedAndThenAnExistingFile) {
    Put("c/Out/exists.xml", "");
    const ProgramRun run = Run("text 1008 C:\\Out\\draft.xml\nkey Enter 1009\nsave C:\\Nowhere\\a.xml\n"
                               "save C:\\Out\\missing.xml\nsave C:\\Out\\exists.xml\nclick 1006\n");
    EXPECT_EQ(run.exitStatus, 1) << run.stderrText;
    const auto saves = run.Events("savedialog");
    ASSERT_EQ(saves.size(), 1u) << run.stderrText;
    EXPECT_EQ(saves[0]["refused"], nlohmann::json::array({"C:\\Nowhere\\a.xml", "C:\\Out\\missing.xml"}));
    EXPECT_EQ(saves[0]["answer"], "C:\\Out\\exists.xml");
    EXPECT_EQ(run.Events("dialog").back()["controls"]["1008"]["text"], "C:\\Out\\exists.xml");
    EXPECT_EQ(run.MessageTexts(), std::vector<std::string>{kCancelled});
}

TEST_F(ConditionsScenario, SettingsFileRemembersTheLastRunOfEachUserAndDataSet) {
    const std::string other = "suzuki/1/2:1/7/9/C:/with/slashes.xml\n";
    Put(kSettingsFile, "yamada/1/2:0/5/6/C:\\old.xml\n" + other);
    const ProgramRun run = Run("text 1008 C:\\a.xml\ntext 1014 5\nkey F12\n");
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;
    EXPECT_EQ(run.Events("dialog").front()["controls"]["1008"]["text"], "C:\\old.xml");
    EXPECT_EQ(Content(kSettingsFile), other + "yamada/1/2:0/5/6/C:\\a.xml\n");

    // The next run offers what was remembered.
    const ProgramRun next = Run("click 1006\n");
    const auto controls = next.Events("dialog").front()["controls"];
    EXPECT_EQ(controls["1014"]["text"], "5");
    EXPECT_EQ(controls["1016"]["text"], "6");
    EXPECT_EQ(controls["1008"]["text"], "C:\\a.xml");
}

// The refusal of past results cuts the dialog short, but only after the whole set-up: the
// remembered path and the tool tip are there when it ends, on every build.
TEST_F(ConditionsScenario, RefusedPastResultsEndAfterTheWholeSetUp) {
    SelectedDataSet(books_)["kind"] = 99;
    Put(kSettingsFile, "yamada/1/2:0/5/6/C:\\old.xml\n");
    const ProgramRun run = Run("");
    EXPECT_EQ(run.exitStatus, 1) << run.stderrText;
    EXPECT_EQ(run.MessageTexts(), std::vector<std::string>{Utf8(
                                      u8"過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。")});
    const auto dialogs = run.Events("dialog");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1]["action"], "end");
    EXPECT_EQ(dialogs[1]["controls"]["1008"]["text"], "C:\\old.xml");
    EXPECT_EQ(dialogs[1]["controls"]["1014"]["text"], "5");
    ASSERT_EQ(run.Events("tooltip").size(), 1u);
    EXPECT_EQ(run.Events("tooltip").front()["control"], 1032);
}

TEST_F(ConditionsScenario, SavedReturnRunRemembersItsMethodAndMonths) {
    SelectedDataSet(books_)["savedReturn"] = SavedReturn();
    const ProgramRun run = Run("text 1008 C:\\a.xml\nclick 1031\nkey F12\n");
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;
    EXPECT_EQ(Content(kSettingsFile), "yamada/1/2:1/7/9/C:\\a.xml\n");

    // The next run offers the saved return again, and the fiscal year for the journal method.
    const ProgramRun next = Run("click 1029\n");
    EXPECT_EQ(next.Events("dialog").front()["controls"]["1031"]["checked"], true);
    EXPECT_EQ(next.Events("dialog").front()["controls"]["1014"]["text"], "7");
    EXPECT_EQ(next.Events("dialog")[1]["controls"]["1014"]["text"], "4");
    EXPECT_EQ(next.Events("dialog")[1]["controls"]["1016"]["text"], "3");
}

TEST_F(ConditionsScenario, RunOfACallingProgramKeepsTheRememberedPath) {
    const ProgramRun first = Run("key F12\n", {kLaunchedByParent + "C:\\fixed.xml"});
    EXPECT_EQ(first.exitStatus, 0) << first.stderrText;
    EXPECT_EQ(Content(kSettingsFile), "yamada/1/2:0/4/3/\n");

    Put(kSettingsFile, "yamada/1/2:0/5/8/C:\\mine.xml\n");
    const ProgramRun second = Run("text 1014 6\nkey F12\n", {kLaunchedByParent + "C:\\fixed.xml"});
    EXPECT_EQ(second.exitStatus, 0) << second.stderrText;
    EXPECT_EQ(Content(kSettingsFile), "yamada/1/2:0/6/8/C:\\mine.xml\n");
}

TEST_F(ConditionsScenario, InterruptedRewriteLeavesEveryEntry) {
    const std::string old = "suzuki/1/2:1/7/9/C:\\s.xml\nyamada/1/2:0/5/6/C:\\old.xml\n";
    Put(kSettingsFile, old);
    const ProgramRun run = Run("text 1008 C:\\a.xml\nkey F12\n", {}, "replace-fail=TxLinkAlto.env");
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;  // the write fails silently
    EXPECT_EQ(run.MessageTexts().back(), kFinished);
    EXPECT_EQ(Content(kSettingsFile), old);
    // The settings file and its lock file, no successor.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ + "/c/TxLink/Settings"), fs::directory_iterator()), 2);
    EXPECT_TRUE(Exists(kSettingsFile + ".lock"));
}

TEST_F(ConditionsScenario, EachProgramKeepsItsOwnFile) {
    ProgramSetup setup;
    setup.program = "TxLinkVita";
    setup.books = books_.dump();
    setup.script = "text 1008 C:\\a.xml\nkey F12\n";
    setup.drives = "C:=" + folder_ + "/c";
    const ProgramRun run = RunProgram(setup);
    fs::remove_all(run.folder);
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;
    EXPECT_EQ(Content("c/TxLink/Settings/TxLinkVita.env"), "yamada/1/2:0/4/3/C:\\a.xml\n");
    EXPECT_FALSE(Exists(kSettingsFile));
}

}  // namespace
