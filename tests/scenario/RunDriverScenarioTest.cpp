// The ends of a run through whole programs: what the user sees, what the calling window
// receives, and the exit status.
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

namespace {

using Actions = std::vector<std::string>;

const std::string kLaunchedByParent = "123,32769,5,";
// The output folder does not exist yet: the dialog asks to create it.
const std::string kExecute = "text 1008 C:\\Out\\report.xml\nclick 1005\nanswer yes\n";

ProgramRun RunWith(const nlohmann::json& books, const std::string& script, std::vector<std::string> args = {},
               const std::string& program = "TxLinkAlto") {
    ProgramSetup setup;
    setup.program = program;
    setup.books = books.dump();
    setup.script = script;
    setup.args = std::move(args);
    return RunProgram(setup);
}

Actions Notified(int exitCode) {
    return {"disable", "foreground", "enable", "post 32769 5 " + std::to_string(exitCode), "enable"};
}

TEST(RunEnds, ConnectionRefusedEndsAtOnceWithoutNotification) {
    auto books = ScenarioBooks();
    books["connection"]["initiate"] = 1;
    const ProgramRun run = RunWith(books, "", {kLaunchedByParent});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_TRUE(run.Events("dialog").empty());
    EXPECT_TRUE(run.Events("msgbox").empty());
    EXPECT_TRUE(run.ParentActions().empty());
}

TEST(RunEnds, DeclinedLinkEndsWithOneAndNotifiesTheCaller) {
    auto books = ScenarioBooks();
    books["connection"]["link"] = 1;
    const ProgramRun run = RunWith(books, "", {kLaunchedByParent});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_TRUE(run.Events("msgbox").empty());
    EXPECT_EQ(run.ParentActions(), Notified(1));
}

TEST(RunEnds, FailedLinkEndsWithTwo) {
    auto books = ScenarioBooks();
    books["connection"]["link"] = 7;
    EXPECT_EQ(RunWith(books, "", {kLaunchedByParent}).ParentActions(), Notified(2));
    const ProgramRun alone = RunWith(books, "");
    EXPECT_EQ(alone.exitStatus, 2);
    EXPECT_TRUE(alone.ParentActions().empty());
}

TEST(RunEnds, ParameterWithoutThirdCommaNamesNoCaller) {
    auto books = ScenarioBooks();
    books["connection"]["link"] = 1;
    const ProgramRun run = RunWith(books, "", {"123,32769,5"});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_TRUE(run.ParentActions().empty());
}

TEST(RunEnds, CancelShowsItsMessageAndEndsWithOne) {
    for (const std::string cancel : {"click 1006\n", "key Esc\n", ""}) {
        const ProgramRun run = RunWith(ScenarioBooks(), cancel, {kLaunchedByParent});
        EXPECT_EQ(run.exitStatus, 1) << cancel;
        ASSERT_EQ(run.Events("msgbox").size(), 1u) << cancel;
        const auto box = run.Events("msgbox").front();
        EXPECT_EQ(box["text"], Utf8(u8"｢消費税｣の集計を中止します。"));
        EXPECT_EQ(box["caption"], Utf8(u8"消費税"));
        EXPECT_EQ(box["icon"], "information");
        EXPECT_EQ(box["owner"], 130);
        EXPECT_EQ(run.ParentActions(), Notified(1));
    }
}

TEST(RunEnds, FinishedRunClosesWithItsMessageInEveryProgram) {
    for (const std::string program : {"TxLinkAlto", "TxLinkVita", "TxLinkBase"}) {
        const ProgramRun run = RunWith(ScenarioBooks(), kExecute, {kLaunchedByParent}, program);
        EXPECT_EQ(run.exitStatus, 0) << program << run.stderrText;
        ASSERT_FALSE(run.Events("msgbox").empty()) << program;
        const auto last = run.Events("msgbox").back();
        EXPECT_EQ(last["text"], Utf8(u8"消費税情報の出力が終了しました。\n\nアプリケーションを終了します。"));
        EXPECT_EQ(last["icon"], "information");
        EXPECT_EQ(last["owner"], 131);
        EXPECT_EQ(run.ParentActions(), Notified(0)) << program;
        EXPECT_EQ(run.transcript.back()["event"], "exit");
        EXPECT_EQ(run.transcript.back()["code"], 0);
    }
}

// Without a settings object the settings count as unreadable: the texts are those of an
// exempt data set, which the dialog refuses before any aggregation.
TEST(RunEnds, DataSetWithoutTaxSettingsObjectIsRefusedAsExempt) {
    auto books = ScenarioBooks();
    SelectedDataSet(books)["taxObject"] = false;
    const ProgramRun run = RunWith(books, kExecute, {kLaunchedByParent});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.MessageTexts(), std::vector<std::string>{Utf8(
                                      u8"消費税申告区分が免税のデータは、連携の対象として使用できません。\n\nアプリケーションを終了します。")});
    EXPECT_EQ(run.ParentActions(), Notified(1));
    const auto open = run.Events("dialog").front();
    EXPECT_EQ(open["controls"]["1012"]["text"], Utf8(u8" 免税"));
}

TEST(RunEnds, DialogShowsTheDataSetItRuns) {
    const ProgramRun run = RunWith(ScenarioBooks(), "click 1006\n");
    const auto open = run.Events("dialog").front();
    EXPECT_EQ(open["id"], 130);
    EXPECT_EQ(open["controls"]["1010"]["text"], Utf8(u8" 株式会社表ソ申商事"));
    EXPECT_EQ(open["controls"]["1011"]["text"], Utf8(u8" 2024/04/01～2025/03/31"));
    EXPECT_EQ(open["controls"]["1012"]["text"], Utf8(u8" 原則課税"));
    EXPECT_EQ(open["controls"]["1003"]["text"], Utf8(u8"課税仕入控除"));
    EXPECT_EQ(open["controls"]["1013"]["text"], Utf8(u8" 個別対応方式"));
    EXPECT_EQ(open["controls"]["1014"]["text"], "4");
    EXPECT_EQ(open["controls"]["1016"]["text"], "3");
}

}  // namespace
