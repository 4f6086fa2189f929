// Whole programs writing their report: the file byte for byte up to DATA against lines built
// here from the rules, the frame of DATA, SUPPORT.INF beside the program, both methods, and
// write failures at several points of each section answered Yes and No (the whole sweep is
// FaultSweepScenarioTest).
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

const std::string kParent = "123,32769,5,C:\\Out\\report.xml";  // a caller that fixes the output file
const std::string kExecute = "click 1005\n";
const std::string kSavedExecute = "click 1031\nclick 1005\n";

std::string Tabs(int depth) { return std::string(static_cast<std::size_t>(depth), '\t'); }
std::string Start(int depth, const std::string& name) { return Tabs(depth) + "<" + name + ">\r\n"; }
std::string End(int depth, const std::string& name) { return Tabs(depth) + "</" + name + ">\r\n"; }
std::string Value(const std::string& name, const std::string& value) {
    return Tabs(2) + "<" + name + ">" + value + "</" + name + ">\r\n";
}

std::string System(const std::string& functionId, const std::string& name, const std::string& version) {
    return Start(1, "SYSTEM") + Value("GYOUMUPREFIX", "TX31") + Value("VERSION", "1") +
           Value("FUNCTIONID", functionId) + Value("CONNECTEDPROGRAMVER", "21.02.03") + Value("PROGRAMNAME", name) +
           Value("PROGRAMVER", version) + End(1, "SYSTEM");
}

// The values in order: company, fiscal year from and to, entity, taxation, transitional
// assets, computation of the tax on sales and on purchases.
std::string Basic(const Texts& values) {
    const char* names[] = {"KOMONSAKINAME",       "JIGYOUNENDOFROM",       "JIGYOUNENDOTO",
                           "HOUJINKOJINKUBUN",    "KAZEIKUBUN",            "KEIKASHOCHIKAZEISHISAN",
                           "URIAGEZEIGAKUKEISAN", "SHIIREZEIGAKUKEISAN"};
    std::string lines = Start(1, "BASIC");
    for (std::size_t i = 0; i < values.size(); ++i) lines += Value(names[i], values[i]);
    return lines + End(1, "BASIC");
}

std::string Head(const std::string& system, const std::string& basic) {
    return "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<REPORT>\r\n" + system + basic + Start(1, "DATA");
}

const std::string kTail = End(1, "DATA") + End(0, "REPORT");
const std::string kAltoSystem = System("1", "帳簿星２１ Alto", "21.00.0X");
// The scenario books: a corporation under general taxation, sales at 10% only.
const std::string kJournalBasic = Basic({"株式会社表ソ申商事", "20240401", "20250331", "1", "1", "2", "1", "1"});

using Frame = std::vector<std::pair<std::string, int>>;

// The groups of DATA in order with their numbers of value elements.
Frame ExpectedDataFrame() {
    const char* rateDigits = "43012";
    const std::vector<std::pair<std::string, std::vector<int>>> families = {
        {"D02011", {13, 13, 13, 13, 13}}, {"D02012", {32, 26, 32, 18, 18}}, {"D02013", {6, 6, 6, 6, 6}},
        {"D0220", {6, 6, 6, 6, 6}},       {"D02021", {22, 22, 22, 22, 22}}, {"D02022", {22, 22, 22, 22, 22}},
        {"D02023", {6, 6, 6, 6, 6}}};
    Frame frame;
    for (const auto& [prefix, counts] : families) {
        for (int rate = 0; rate < 5; ++rate) frame.emplace_back(prefix + rateDigits[rate], counts[rate]);
    }
    frame.emplace_back("KANPUH", 16);
    frame.emplace_back("KANPUK", 17);
    return frame;
}

// Reads the DATA section line by line; a line out of place ends the frame with "?".
Frame DataFrameOf(const std::string& report) {
    Frame frame;
    std::size_t at = report.find(Start(1, "DATA"));
    if (at == std::string::npos) return frame;
    at += Start(1, "DATA").size();
    while (at < report.size()) {
        const std::size_t end = report.find("\r\n", at);
        if (end == std::string::npos) break;
        const std::string line = report.substr(at, end - at);
        at = end + 2;
        if (line == "\t</DATA>") return frame;
        if (line.starts_with("\t\t\t<") && !frame.empty()) {
            ++frame.back().second;
        } else if (line.starts_with("\t\t</")) {
            continue;
        } else if (line.starts_with("\t\t<") && line.ends_with(">")) {
            frame.emplace_back(line.substr(3, line.size() - 4), 0);
        } else {
            frame.emplace_back("?" + line, 0);
            return frame;
        }
    }
    return frame;
}

// A folder of the test's own that the run's drive C: maps to: the program copied into
// C:\Prog\ (with SUPPORT.INF when given) and an output folder C:\Out\ that exists.
class ReportWorld {
public:
    explicit ReportWorld(const std::string& supportInfo = {}) {
        root_ = MakeTemporaryFolder("report");
        fs::create_directories(root_ / "c/Out");
        fs::create_directories(root_ / "c/Prog");
        if (!supportInfo.empty()) std::ofstream(root_ / "c/Prog/SUPPORT.INF", std::ios::binary) << supportInfo;
    }
    ~ReportWorld() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    ReportWorld(const ReportWorld&) = delete;
    ReportWorld& operator=(const ReportWorld&) = delete;

    ProgramRun Run(const std::string& script, std::vector<std::string> args = {}, const std::string& faults = {},
                   const nlohmann::json& books = ScenarioBooks(), const std::string& program = "TxLinkAlto") {
        fs::remove(ReportPath());
        ProgramSetup setup;
        setup.program = program;
        setup.programFolder = (root_ / "c/Prog").string();
        setup.drives = "C:=" + (root_ / "c").string();
        setup.books = books.dump();
        setup.script = script;
        setup.faults = faults;
        setup.args = std::move(args);
        return RunProgram(setup);
    }

    fs::path ReportPath() const { return root_ / "c/Out/report.xml"; }
    bool HasReport() const { return fs::exists(ReportPath()); }
    std::string Report() const {
        std::ifstream in(ReportPath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    fs::path root_;
};

const std::string kSetPath = "text 1008 C:\\Out\\report.xml\n";

Texts Questions(const ProgramRun& run) {
    Texts texts;
    for (const auto& box : run.Events("msgbox")) {
        if (box["buttons"] != "yesno") continue;
        EXPECT_EQ(box["owner"], 131);
        EXPECT_EQ(box["icon"], "warning");
        EXPECT_EQ(box["caption"], Utf8(u8"消費税"));
        texts.push_back(box["text"]);
    }
    return texts;
}

const std::string kSystemQuestion = Utf8(u8"システム情報の出力に失敗しました。\n\n出力を続けますか？");
const std::string kBasicQuestion = Utf8(u8"基本情報の出力に失敗しました。\n\n出力を続けますか？");
const std::string kDataQuestion = Utf8(u8"連動情報の出力に失敗しました。\n\n出力を続けますか？");
const std::string kFinished = Utf8(u8"消費税情報の出力が終了しました。\n\nアプリケーションを終了します。");

Texts Notified(int exitCode) {
    return {"disable", "foreground", "enable", "post 32769 5 " + std::to_string(exitCode), "enable"};
}

nlohmann::json BooksWithSavedReturn() {
    auto books = ScenarioBooks();
    SelectedDataSet(books)["savedReturn"] = {
        {"period", {20240401, 20250331}}, {"range", {20240401, 20250331}}, {"kind", 1}, {"credit", 1},
        {"interim", 1}, {"transitional", 1}, {"salesCalc", 1}, {"purchaseCalc", 0}};
    return books;
}

const std::string kSavedBasic = Basic({"株式会社表ソ申商事", "20240401", "20250331", "1", "1", "1", "2", "1"});

TEST(ReportScenario, JournalReportOfEveryProgramWithoutSupportInfo) {
    const std::pair<std::string, std::string> programs[] = {
        {"TxLinkAlto", "帳簿星２１ Alto"}, {"TxLinkVita", "帳簿星２１ Vita"}, {"TxLinkBase", "帳簿星２１"}};
    ReportWorld world;
    for (const auto& [program, name] : programs) {
        const ProgramRun run = world.Run(kSetPath + kExecute, {}, {}, ScenarioBooks(), program);
        EXPECT_EQ(run.exitStatus, 0) << program << run.stderrText;
        const std::string report = world.Report();
        const std::string head = Head(System("1", name, "21.00.0X"), kJournalBasic);
        EXPECT_EQ(report.substr(0, head.size()), head) << program;
        EXPECT_TRUE(report.ends_with(kTail)) << program;
        EXPECT_EQ(DataFrameOf(report), ExpectedDataFrame()) << program;
        EXPECT_TRUE(Questions(run).empty());
        EXPECT_EQ(run.MessageTexts().back(), kFinished);
    }
}

// The company name widens as Windows widens it, whatever the system's own mapping: 0x5C to ＼,
// a voiced mark that no katakana takes to ゛.
TEST(ReportScenario, CompanyNameWidensTheSameOnEverySystem) {
    ReportWorld world;
    auto books = ScenarioBooks();
    SelectedDataSet(books)["company"] = Utf8(u8"A\\B ｱﾞﾃﾞｰﾞ");
    const ProgramRun run = world.Run(kSetPath + kExecute, {}, {}, books);
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;
    const std::string name = Value("KOMONSAKINAME", "Ａ＼Ｂ　ア゛デー゛");
    EXPECT_NE(world.Report().find(name), std::string::npos) << world.Report().substr(0, 400);
}

TEST(ReportScenario, SupportInfoBesideTheProgramNamesProductAndVersion) {
    ReportWorld world("[=お問い合わせ内容=]画面が\r\n止まる\r\n\r\n[=製品名=]帳簿星２１ Alto & Co\r\n"
                      "[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\r\n\x1A");
    const ProgramRun run = world.Run(kExecute, {kParent});
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;
    EXPECT_EQ(run.ParentActions(), Notified(0));
    const std::string head = Head(System("5", "帳簿星２１ Alto &amp; Co", "21.00.05"), kJournalBasic);
    EXPECT_EQ(world.Report().substr(0, head.size()), head);
}

TEST(ReportScenario, SavedReturnReportTakesBasicFromTheSavedReturn) {
    ReportWorld world;
    const ProgramRun run = world.Run(kSetPath + kSavedExecute, {}, {}, BooksWithSavedReturn());
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;
    const std::string report = world.Report();
    const std::string head = Head(kAltoSystem, kSavedBasic);
    EXPECT_EQ(report.substr(0, head.size()), head);
    EXPECT_TRUE(report.ends_with(kTail));
    EXPECT_EQ(DataFrameOf(report), ExpectedDataFrame());
}

// A write failure at the line that starts with `at` in the whole report.
struct FailurePoint {
    std::string at;
    Texts questionsAfterYes;
};

const std::string kNotFinished = Utf8(u8"連動情報ファイルの出力を完了できませんでした。\n\nアプリケーションを終了します。");

// After Yes and after No the run fails with a warning and leaves no report behind.
void CheckFailures(ReportWorld& world, const std::string& execute, const nlohmann::json& books,
                   const std::vector<FailurePoint>& points) {
    const ProgramRun clean = world.Run(execute, {kParent}, {}, books);
    ASSERT_EQ(clean.exitStatus, 0) << clean.stderrText;
    const std::string whole = world.Report();
    for (const FailurePoint& point : points) {
        const std::size_t lineStart = whole.find("\n" + point.at) + 1;
        ASSERT_NE(lineStart, 0u) << point.at;
        const std::string faults = "write-fail-after=" + std::to_string(lineStart + 1);
        std::string yes;
        for (std::size_t i = 0; i < point.questionsAfterYes.size(); ++i) yes += "answer yes\n";

        const ProgramRun goOn = world.Run(execute + yes, {kParent}, faults, books);
        EXPECT_EQ(goOn.exitStatus, 2) << point.at << goOn.stderrText;
        EXPECT_EQ(Questions(goOn), point.questionsAfterYes) << point.at;
        EXPECT_EQ(goOn.MessageTexts().back(), kNotFinished) << point.at;
        EXPECT_EQ(goOn.ParentActions(), Notified(2)) << point.at;
        EXPECT_FALSE(world.HasReport()) << point.at;

        const ProgramRun stop = world.Run(execute + "answer no\n", {kParent}, faults, books);
        EXPECT_EQ(stop.exitStatus, 2) << point.at << stop.stderrText;
        EXPECT_EQ(Questions(stop), Texts{point.questionsAfterYes.front()}) << point.at;
        EXPECT_EQ(stop.MessageTexts().back(), point.questionsAfterYes.front()) << point.at;
        EXPECT_EQ(stop.ParentActions(), Notified(2)) << point.at;
        EXPECT_FALSE(world.HasReport()) << point.at;
    }
}

const Texts kFromSystem = {kSystemQuestion, kBasicQuestion, kDataQuestion};
const Texts kFromBasic = {kBasicQuestion, kDataQuestion};
const Texts kFromData = {kDataQuestion};

TEST(ReportScenario, WriteFailuresInTheJournalReport) {
    ReportWorld world;
    CheckFailures(world, kExecute, ScenarioBooks(),
                  {{"\t<SYSTEM>", kFromSystem},
                   {"\t\t<GYOUMUPREFIX>", kFromSystem},
                   {"\t\t<PROGRAMVER>", kFromSystem},
                   {"\t</SYSTEM>", kFromSystem},
                   {"\t<BASIC>", kFromBasic},
                   {"\t\t<KEIKASHOCHIKAZEISHISAN>", kFromBasic},
                   {"\t</BASIC>", kFromBasic},
                   {"\t<DATA>", kFromData},
                   {"\t\t<D020124>", kFromData},
                   {"\t\t\t<SONOTAKOTEISHISAN2>", kFromData},
                   {"\t</DATA>", kFromData}});
}

TEST(ReportScenario, WriteFailuresInTheSavedReturnReport) {
    ReportWorld world;
    CheckFailures(world, kSavedExecute, BooksWithSavedReturn(),
                  {{"\t\t<FUNCTIONID>", kFromSystem},
                   {"\t\t<URIAGEZEIGAKUKEISAN>", kFromBasic},
                   {"\t\t<KANPUH>", kFromData}});
}

TEST(ReportScenario, LostEndTagFailsTheRunWithAWarning) {
    ReportWorld world;
    ASSERT_EQ(world.Run(kExecute, {kParent}).exitStatus, 0);
    const std::string whole = world.Report();
    const ProgramRun run = world.Run(kExecute, {kParent}, "write-fail-after=" + std::to_string(whole.size() - 1));
    EXPECT_EQ(run.exitStatus, 2) << run.stderrText;
    ASSERT_EQ(run.Events("msgbox").size(), 1u);
    const auto warning = run.Events("msgbox").front();
    EXPECT_EQ(warning["text"], Utf8(u8"連動情報ファイルの出力を完了できませんでした。\n\nアプリケーションを終了します。"));
    EXPECT_EQ(warning["icon"], "warning");
    EXPECT_EQ(warning["owner"], 131);
    EXPECT_EQ(run.ParentActions(), Notified(2));
    EXPECT_FALSE(world.HasReport());
}

TEST(ReportScenario, FileThatCannotBeCreatedAsksForEverySection) {
    ReportWorld world;
    const std::string refused = "create-fail=report.xml";
    const ProgramRun goOn = world.Run(kExecute + "answer yes\nanswer yes\nanswer yes\n", {kParent}, refused);
    EXPECT_EQ(goOn.exitStatus, 2) << goOn.stderrText;
    EXPECT_EQ(Questions(goOn), kFromSystem);
    EXPECT_EQ(goOn.MessageTexts().back(), kNotFinished);
    EXPECT_EQ(goOn.ParentActions(), Notified(2));
    EXPECT_FALSE(world.HasReport());

    const ProgramRun stop = world.Run(kExecute + "answer no\n", {kParent}, refused);
    EXPECT_EQ(stop.exitStatus, 2);
    EXPECT_EQ(Questions(stop), Texts{kSystemQuestion});
    EXPECT_EQ(stop.ParentActions(), Notified(2));
}

// A scanner that holds the report for a moment, when its successor is made or when it takes
// the destination's place, costs a short wait, not the report; one that keeps holding it ends
// the run after about a second as a replacement that fails does. Each refused call is in the
// transcript with its name, path and error code; the user sees only the program's messages.
TEST(ReportScenario, FileHeldForAMomentIsWaitedFor) {
    ReportWorld world;
    for (const std::string faults : {"busy-replace=3:report.xml", "busy-create=3:~tx*"}) {
        const ProgramRun run = world.Run(kExecute, {kParent}, faults);
        EXPECT_EQ(run.exitStatus, 0) << faults << run.stderrText;
        EXPECT_EQ(run.MessageTexts(), Texts{kFinished}) << faults;
        EXPECT_TRUE(world.HasReport()) << faults;
        const auto failures = run.Events("failure");
        ASSERT_EQ(failures.size(), 3u) << faults;
        for (const auto& failure : failures) {
            EXPECT_EQ(failure["code"], 32) << faults;  // ERROR_SHARING_VIOLATION
            EXPECT_FALSE(failure["text"].get<std::string>().empty()) << faults;
        }
        const std::string path = failures.front()["path"];
        if (faults.ends_with("report.xml")) {
            EXPECT_EQ(failures.front()["call"], "MoveFileExA");
            EXPECT_EQ(path, "C:\\Out\\report.xml");
        } else {
            EXPECT_EQ(failures.front()["call"], "CreateFileA");
            EXPECT_TRUE(path.starts_with("C:\\Out\\~tx")) << path;
        }
    }

    const ProgramRun held = world.Run(kExecute, {kParent}, "busy-replace=1000:report.xml");
    EXPECT_EQ(held.exitStatus, 2) << held.stderrText;
    EXPECT_EQ(held.MessageTexts(), Texts{kNotFinished});
    EXPECT_FALSE(world.HasReport());
    const auto failures = held.Events("failure");
    EXPECT_GE(failures.size(), 10u);
    EXPECT_LE(failures.size(), 40u);
    EXPECT_NE(held.stderrText.find("MoveFileExA C:\\Out\\report.xml: error 32"), std::string::npos) << held.stderrText;
}

// The dialog takes 255 bytes of path, and such a path is written: the report's successor and
// the settings file's fit wherever their files fit.
TEST(ReportScenario, LongestPathTheDialogTakesIsWritten) {
    ReportWorld world;
    const std::string first(120, 'a');
    const std::string second(120, 'b');
    const std::string path = "C:\\" + first + "\\" + second + "\\report.xml";
    ASSERT_EQ(path.size(), 255u);
    fs::create_directories(world.ReportPath().parent_path().parent_path() / first / second);
    const ProgramRun run = world.Run("text 1008 " + path + "\n" + kExecute);
    EXPECT_EQ(run.exitStatus, 0) << run.stderrText;
    EXPECT_EQ(run.MessageTexts(), Texts{kFinished});
    EXPECT_TRUE(run.Events("failure").empty());
    const fs::path written = world.ReportPath().parent_path().parent_path() / first / second / "report.xml";
    EXPECT_TRUE(fs::exists(written));
    EXPECT_EQ(std::distance(fs::directory_iterator(written.parent_path()), fs::directory_iterator()), 1);
}

}  // namespace

