// The environment and range checks and the progress window, seen through whole programs.
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

namespace {

// The output folder does not exist yet: the dialog asks to create it.
const std::string kExecute = "text 1008 C:\\Out\\report.xml\nclick 1005\nanswer yes\n";

// The message boxes after the conditions dialog: all owned by the progress window.
std::vector<nlohmann::json> RunMessages(const ProgramRun& run) {
    std::vector<nlohmann::json> boxes;
    for (const auto& box : run.Events("msgbox")) {
        if (box["owner"] == 131) boxes.push_back(box);
    }
    return boxes;
}

ProgramRun RunIn(const char* zeimonDef, const nlohmann::json& books = ScenarioBooks()) {
    ProgramSetup setup;
    setup.books = books.dump();
    setup.script = kExecute;
    setup.programFolder = "Program Files/TxLink";
    setup.zeimonDef = zeimonDef;
    setup.args = {"123,32769,5,"};
    return RunProgram(setup);
}

TEST(EnvironmentScenario, EachCodeThroughAWholeProgram) {
    const std::string older = Utf8(u8"ご利用の連動コンポーネントは、インストールされている税匠では使用できません。\n"
                                   u8"税匠の最新版を入手してインストールしてからご利用ください。");
    const std::string newer = Utf8(u8"ご利用の連動コンポーネントは、インストールされている税匠では使用できません。\n"
                                   u8"連動コンポーネントの最新版を入手してインストールしてからご利用ください。");
    const std::string broken = Utf8(u8"動作環境が不正です。\n税匠が正しくインストールされているか確認してください。");
    const struct {
        const char* ini;
        std::string message;
    } cases[] = {
        {"[TX31]\r\nProgramLevel=3\r\n", older},
        {"[TX31]\r\nProgramLevel=5\r\n", newer},
        {"[TX31]\r\n", older},
        {"[TX31]\r\nProgramLevel=\r\n", broken},
        {nullptr, broken},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunIn(c.ini);
        EXPECT_EQ(run.exitStatus, 2) << run.stderrText;
        ASSERT_EQ(run.MessageTexts(), std::vector<std::string>{c.message});
        const auto box = run.Events("msgbox").front();
        EXPECT_EQ(box["owner"], 0);  // the calling program's window
        EXPECT_EQ(box["icon"], "warning");
        EXPECT_TRUE(run.Events("dialog").empty());
        EXPECT_EQ(run.ParentActions().back(), "enable");
    }
    EXPECT_EQ(RunIn("[TX31]\r\nProgramLevel=4\r\n").exitStatus, 0);
}

nlohmann::json SimplifiedWithSixthCategory(std::int32_t periodFirst, std::int32_t periodLast) {
    auto books = ScenarioBooks();
    auto& dataSet = SelectedDataSet(books);
    dataSet["period"] = {periodFirst, periodLast};
    dataSet["tax"]["method"] = 1;
    dataSet["journal"][0]["date"] = periodFirst;
    dataSet["journal"][0]["credit"]["business"] = 6;
    return books;
}

TEST(RangeScenario, SixthBusinessCategoryBeforeApril2015IsRefused) {
    const ProgramRun run = RunIn("[TX31]\r\nProgramLevel=4\r\n", SimplifiedWithSixthCategory(20150301, 20160229));
    EXPECT_EQ(run.exitStatus, 1);
    ASSERT_EQ(RunMessages(run).size(), 1u);
    const auto box = RunMessages(run).front();
    EXPECT_NE(box["text"].get<std::string>().find(Utf8(u8"\n\n帳簿星２１ Alto の以下の機能にて事業分類を見直してください。")),
              std::string::npos);
    EXPECT_EQ(box["text"].get<std::string>().rfind(Utf8(u8"集計範囲に事業分類「第六種事業」の仕訳が存在します。"), 0), 0u);
    EXPECT_EQ(box["owner"], 131);
    EXPECT_EQ(box["icon"], "warning");
    EXPECT_TRUE(run.Events("caption").empty());
}

TEST(RangeScenario, SixthBusinessCategoryFromApril2015GoesOn) {
    const ProgramRun run = RunIn("[TX31]\r\nProgramLevel=4\r\n", SimplifiedWithSixthCategory(20150401, 20160331));
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(RunMessages(run).size(), 1u);  // the closing message only
}

TEST(RangeScenario, FatalCountStatusEndsTheRunWithTheManagersMessage) {
    auto books = ScenarioBooks();
    books["faults"] = {{"ClRuleShiwake::CheckExistSwkByJigyoBunrui", 1234}};
    const ProgramRun run = RunIn("[TX31]\r\nProgramLevel=4\r\n", books);
    EXPECT_EQ(run.exitStatus, 2);
    const auto last = run.Events("msgbox").back();
    EXPECT_NE(last["text"].get<std::string>().find("1234"), std::string::npos);
    EXPECT_TRUE(last["owner"].is_null());  // the message manager is given no window
    EXPECT_TRUE(RunMessages(run).empty());
}
TEST(RangeScenario, UndeterminedImportTaxInformsOnceAndTheRunGoesOn) {
    auto books = ScenarioBooks();
    SelectedDataSet(books)["journal"][0]["debit"]["category"] = 33;
    const ProgramRun run = RunIn("[TX31]\r\nProgramLevel=4\r\n", books);
    EXPECT_EQ(run.exitStatus, 0);
    ASSERT_EQ(RunMessages(run).size(), 2u);
    const auto notice = RunMessages(run).front();
    EXPECT_EQ(notice["text"],
              Utf8(u8"集計範囲の中に、輸入取引の本体分、国税分、地方税分が未確定の税区分(31,32,33,35,36,37)を使用している仕訳が"
                   u8"あります。\nこの仕訳の金額は、消費税申告書には集計されません。"));
    EXPECT_EQ(notice["icon"], "information");
    EXPECT_EQ(notice["owner"], 131);
}

TEST(ProgressScenario, CaptionsOfTheThreePhases) {
    const ProgramRun run = RunIn("[TX31]\r\nProgramLevel=4\r\n");
    const auto captions = run.Events("caption");
    ASSERT_EQ(captions.size(), 103u);
    EXPECT_EQ(captions.front()["text"], Utf8(u8"集計中 0％"));
    EXPECT_EQ(captions[25]["text"], Utf8(u8"集計中 25％"));
    EXPECT_EQ(captions[26]["text"], Utf8(u8"集計中 25％"));
    EXPECT_EQ(captions.back()["text"], Utf8(u8"集計中 100％"));
    std::vector<std::string> actions;
    for (const auto& event : run.Events("dialog")) {
        if (event["id"] == 131) actions.push_back(event["action"]);
    }
    EXPECT_EQ(actions, (std::vector<std::string>{"open", "show", "end", "destroy"}));
}

}  // namespace

namespace {

// Purchases too large for the aggregation's arithmetic (10^14 yen and more).
nlohmann::json BooksBeyondTheAmountLimit() {
    auto books = ScenarioBooks();
    auto& dataSet = SelectedDataSet(books);
    dataSet["accounts"].push_back({{"code", 300}, {"name", Utf8(u8"仕入高")}, {"class", "0x20804000"}});
    for (int date : {20240510, 20240610}) {
        dataSet["journal"].push_back({{"date", date},
                                      {"debit", {{"account", 300}, {"amount", 60000000000000}, {"category", 21}}},
                                      {"credit", {{"account", 100}, {"amount", 60000000000000}}}});
    }
    return books;
}

TEST(OverflowScenario, AmountsBeyondTheLimitEndTheRunWithAWarning) {
    const ProgramRun run = RunIn("[TX31]\r\nProgramLevel=4\r\n", BooksBeyondTheAmountLimit());
    EXPECT_EQ(run.exitStatus, 2) << run.stderrText;
    const auto boxes = RunMessages(run);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes.front()["text"], Utf8(u8"集計中に金額が扱える範囲を超えたため、集計を完了できませんでした。\n\n"
                                          u8"アプリケーションを終了します。"));
    EXPECT_EQ(boxes.front()["icon"], "warning");
    EXPECT_EQ(run.ParentActions().back(), "enable");
    EXPECT_EQ(run.ParentActions()[run.ParentActions().size() - 2], "post 32769 5 2");
    EXPECT_EQ(run.transcript.back()["code"], 2);
}

}  // namespace
