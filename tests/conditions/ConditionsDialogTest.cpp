// The conditions dialog in-process: its initialisation from the inputs and the settings file,
// the method buttons, the keys, Execute's month check, Browse, and what it remembers.
#include "tests/conditions/DialogFixture.h"
#include "tests/support/ProgramRunner.h"

#include <algorithm>

namespace {

namespace fs = std::filesystem;

const std::string kMonthsMessage = Utf8(u8"集計期間に誤りがあります。\n\n集計期間を設定しなおしてください。");
const std::string kCancelled = Utf8(u8"｢消費税｣の集計を中止します。");
const std::string kSettingsFile = "TxLink/Settings/TxLinkAlto.env";

class ConditionsDialogTest : public DialogFixture {
protected:
    nlohmann::json Opened() { return Events("dialog").front().at("controls"); }
    nlohmann::json Ended() { return Events("dialog").back().at("controls"); }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& box : Events("msgbox")) texts.push_back(box["text"]);
        return texts;
    }
    std::string Settings() {
        std::ifstream in(HostPath(kSettingsFile), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(ConditionsDialogTest, ExemptAndPastResultsDataAreRefusedAtOnce) {
    const std::string exempt = Utf8(u8"消費税申告区分が免税のデータは、連携の対象として使用できません。\n\nアプリケーションを終了します。");
    const std::string past = Utf8(u8"過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。");
    const struct {
        bool exempt;
        int pastResults;
        std::string message;
    } cases[] = {{true, 0, exempt}, {false, 1, past}, {true, 1, past}};
    for (const auto& c : cases) {
        if (c.exempt) dialog_->m_texts[3] = dialog_->m_texts[4] = "";
        dialog_->m_pastResults = c.pastResults;
        EXPECT_EQ(Run(""), IDC_CANCEL);
        const auto boxes = Events("msgbox");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0]["text"], c.message);
        EXPECT_EQ(boxes[0]["icon"], "warning");
        EXPECT_EQ(boxes[0]["caption"], Utf8(u8"消費税"));
        Restart();
    }
}

TEST_F(ConditionsDialogTest, WithoutAnEntryTheFiscalYearAndTheDefaultPathAreOffered) {
    EXPECT_EQ(Run(""), IDC_CANCEL);
    const auto controls = Opened();
    EXPECT_EQ(controls["1014"]["text"], "4");
    EXPECT_EQ(controls["1016"]["text"], "3");
    EXPECT_EQ(controls["1008"]["text"], "C:\\TxLink\\Export\\*.xml");
    EXPECT_EQ(controls["1029"]["checked"], true);
    EXPECT_EQ(controls["1031"]["checked"], false);
    EXPECT_EQ(controls["1007"]["text"], Utf8(u8"出力先(&O)"));
    EXPECT_EQ(controls["1003"]["text"], Utf8(u8"課税仕入控除"));
    EXPECT_EQ(Events("focus").front()["control"], 1029);
    const auto tips = Events("tooltip");
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(tips[0]["control"], 1032);
    EXPECT_EQ(tips[0]["text"].get<std::string>().rfind(Utf8(u8"連動元製品にて入力・保存した"), 0), 0u);
}

TEST_F(ConditionsDialogTest, WithoutAnOutputFolderTheTemporaryFolderIsOffered) {
    books_["folders"]["output"] = "";
    Run("");
    EXPECT_EQ(Opened()["1008"]["text"], "C:\\Temp\\*.xml");
}

TEST_F(ConditionsDialogTest, ToolTipOnlyUnderGeneralTaxation) {
    dialog_->m_taxMethod = TaxMethod::Simplified;
    dialog_->m_texts[3] = "主となる事業分類";
    Run("");
    EXPECT_TRUE(Events("tooltip").empty());
}

// The tip lives on the information mark, a picture that must take the mouse (SS_NOTIFY): a
// static without it lets the mouse through to the dialog and the tip never shows.
TEST_F(ConditionsDialogTest, InformationMarkTakesTheMouseForItsTip) {
    const auto controls = dialog_->Resource().controls;
    const auto mark = std::find_if(controls.begin(), controls.end(), [](const auto& c) { return c.id == IDC_SAVED_INFO; });
    ASSERT_NE(mark, controls.end());
    EXPECT_EQ(mark->kind, ControlKind::Picture);
    EXPECT_EQ(mark->style & 0x1F, SS_BITMAP);  // the type of a static
    EXPECT_EQ(mark->style & (SS_NOTIFY | WS_VISIBLE), SS_NOTIFY | WS_VISIBLE);
}

TEST_F(ConditionsDialogTest, RememberedJournalRunOffersItsMonthsAndPath) {
    PutFile(kSettingsFile, "yamada/1/2:0/5/8/C:\\rem/a.xml\n");
    Run("");
    const auto controls = Opened();
    EXPECT_EQ(controls["1014"]["text"], "5");
    EXPECT_EQ(controls["1016"]["text"], "8");
    EXPECT_EQ(controls["1008"]["text"], "C:\\rem/a.xml");
}

// The path edit holds 255 bytes: a longer remembered path would be cut to another file name.
TEST_F(ConditionsDialogTest, RememberedPathLongerThanTheEditHoldsGivesWayToTheDefault) {
    const struct {
        std::size_t length;
        bool offered;
    } cases[] = {{255, true}, {256, false}, {300, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string path = "C:\\" + std::string(c.length - 9, 'a') + "\\a.xml";
        ASSERT_EQ(path.size(), c.length);
        PutFile(kSettingsFile, "yamada/1/2:0/5/8/" + path + "\n");
        Run("");
        const auto controls = Opened();
        EXPECT_EQ(controls["1008"]["text"], c.offered ? path : "C:\\TxLink\\Export\\*.xml");
        EXPECT_EQ(controls["1014"]["text"], "5");  // the remembered months still count
        Restart();
    }
}

TEST_F(ConditionsDialogTest, RememberedSavedReturnShowsItsMonthsAndOffersTheFiscalYearOnSwitching) {
    PutFile(kSettingsFile, "yamada/1/2:1/5/8/C:\\rem\\a.xml\n");
    Run("click 1029\n");
    const auto opened = Opened();
    EXPECT_EQ(opened["1031"]["checked"], true);
    EXPECT_EQ(opened["1014"]["text"], "7");
    EXPECT_EQ(opened["1016"]["text"], "9");
    EXPECT_EQ(opened["1014"]["enabled"], false);
    EXPECT_EQ(opened["1016"]["enabled"], false);
    EXPECT_EQ(Events("focus").front()["control"], 1031);
    const auto ended = Ended();
    EXPECT_EQ(ended["1014"]["text"], "4");
    EXPECT_EQ(ended["1016"]["text"], "3");
    EXPECT_EQ(ended["1014"]["enabled"], true);
}

TEST_F(ConditionsDialogTest, WithoutASavedReturnTheJournalMethodIsTheOnlyOne) {
    PutFile(kSettingsFile, "yamada/1/2:1/5/8/C:\\rem\\a.xml\n");
    dialog_->m_savedReturnAvailable = 0;
    Run("");
    const auto controls = Opened();
    EXPECT_EQ(controls["1029"]["checked"], true);
    EXPECT_EQ(controls["1029"]["enabled"], false);
    EXPECT_EQ(controls["1031"]["enabled"], false);
    EXPECT_EQ(controls["1014"]["text"], "4");
    EXPECT_EQ(Events("focus").front()["control"], 1014);  // the first tab stop
}

TEST_F(ConditionsDialogTest, JournalButtonPutsTheOfferedMonthsBackOverTypedOnes) {
    Run("text 1014 6\ntext 1016 7\nclick 1029\n");
    auto ended = Ended();
    EXPECT_EQ(ended["1014"]["text"], "4");
    EXPECT_EQ(ended["1016"]["text"], "3");

    Restart();
    Run("text 1014 6\nclick 1031\nclick 1029\n");
    ended = Ended();
    EXPECT_EQ(ended["1014"]["text"], "4");
    EXPECT_EQ(ended["1016"]["text"], "3");
}

TEST_F(ConditionsDialogTest, FixedPathLocksTheDestination) {
    dialog_->m_fixedOutputPath = "C:\\fixed\\a.xml";
    Run("");
    const auto controls = Opened();
    EXPECT_EQ(controls["1008"]["text"], "C:\\fixed\\a.xml");
    EXPECT_EQ(controls["1008"]["enabled"], false);
    EXPECT_EQ(controls["1009"]["enabled"], false);
    EXPECT_EQ(controls["1007"]["text"], Utf8(u8"出力先"));
}

TEST_F(ConditionsDialogTest, EnterOutsideTheKeyTableNeverEndsTheDialog) {
    for (const std::string key : {"key Enter 1029\n", "key Enter 1031\n", "key shift+Enter 1029\n",
                                  "key ctrl+Enter 1014\n", "key alt+F12\n"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(Run(key), IDC_CANCEL);
        EXPECT_EQ(Messages(), std::vector<std::string>{kCancelled});  // closed by the script's end
        Restart();
    }
    EXPECT_EQ(Run("key Enter 1006\n"), IDC_CANCEL);
    EXPECT_EQ(Messages(), std::vector<std::string>{kCancelled});
}

TEST_F(ConditionsDialogTest, EnterWalksMonthsPathBrowseAndExecute) {
    PutFile("out/a.xml");
    Run("key Enter 1014\nkey Enter\nkey Enter\ntext 1008 C:\\out\\b.xml\nkey Enter\nkey Enter\nsave C:\\out\\a.xml\n"
        "key Enter\nanswer yes\n");
    std::vector<std::pair<int, bool>> focus;
    for (const auto& event : Events("focus")) focus.emplace_back(event["control"], event["selectAll"]);
    const std::vector<std::pair<int, bool>> expected = {
        {1029, false}, {1016, true}, {1008, true}, {1009, false}, {1008, false}, {1009, false}, {1005, false}};
    EXPECT_EQ(focus, expected);
    EXPECT_EQ(Events("dialog").back()["code"], IDC_EXECUTE);
    EXPECT_EQ(dialog_->m_outputPath, "C:\\out\\a.xml");
}

TEST_F(ConditionsDialogTest, EnterOnTheEndMonthGoesToExecuteWhenThePathIsFixed) {
    dialog_->m_fixedOutputPath = "C:\\a.xml";
    Run("key Enter 1016\nkey Enter\n");
    EXPECT_EQ(Events("focus").back()["control"], 1005);
    EXPECT_EQ(Events("dialog").back()["code"], IDC_EXECUTE);
}

TEST_F(ConditionsDialogTest, SavedReturnMonthsAreCheckedToo) {
    dialog_->m_savedFirstMonth = 0;
    EXPECT_EQ(Run("text 1008 C:\\a.xml\nclick 1031\nclick 1005\n"), IDC_CANCEL);
    EXPECT_EQ(Messages(), (std::vector<std::string>{kMonthsMessage, kCancelled}));
}

TEST_F(ConditionsDialogTest, DefaultPathIsRefusedUntilAFileIsNamed) {
    fs::create_directories(HostPath("TxLink/Export"));
    EXPECT_EQ(Run("click 1005\n"), IDC_CANCEL);
    EXPECT_EQ(Messages().front(), Utf8(u8"データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。"));
}

TEST_F(ConditionsDialogTest, BrowseStartsAtThePathAndPutsTheChoiceInTheEdit) {
    PutFile("out/chosen.xml");
    Run("text 1008 C:\\out\\draft.xml\nclick 1009\nsave chosen.xml\n");
    const auto save = Events("savedialog").at(0);
    EXPECT_EQ(save["title"], Utf8(u8"保存ファイルを指定"));
    EXPECT_EQ(save["filter"], "Xml Files (*.xml)|*.xml||");
    EXPECT_EQ(save["defext"], "XML");
    EXPECT_EQ(save["folder"], "C:\\out\\");
    EXPECT_EQ(save["file"], "draft.xml");
    EXPECT_EQ(save["flags"], (nlohmann::json{"OFN_HIDEREADONLY", "OFN_NOCHANGEDIR", "OFN_PATHMUSTEXIST",
                                             "OFN_FILEMUSTEXIST"}));
    EXPECT_EQ(Ended()["1008"]["text"], "C:\\out\\chosen.xml");
    EXPECT_EQ(Events("focus").back()["control"], 1005);
}

TEST_F(ConditionsDialogTest, BrowseWithoutABackslashSplitsAtTheColonAndCancelKeepsThePath) {
    Run("text 1008 C:draft.xml\nclick 1009\nsave-cancel\n");
    const auto save = Events("savedialog").at(0);
    EXPECT_EQ(save["folder"], "C:");
    EXPECT_EQ(save["file"], "draft.xml");
    EXPECT_EQ(Ended()["1008"]["text"], "C:draft.xml");
    EXPECT_EQ(Events("focus").back()["control"], 1005);
}

// What Execute hands the run, and what a finished run remembers of it: a prescribed path is
// not remembered, the one remembered before stays.
TEST_F(ConditionsDialogTest, ChosenConditionsKeepTheRememberedPathForAPrescribedOne) {
    PutFile(kSettingsFile, "yamada/1/2:0/5/8/C:\\rem\\a.xml\n");
    Run("click 1031\ntext 1008 C:\\new.xml\nclick 1005\n");
    const ChosenConditions chosen = dialog_->Chosen();
    EXPECT_EQ(chosen.method, AggregationMethod::SavedReturn);
    EXPECT_EQ(chosen.firstMonth * 100 + chosen.lastMonth, 709);
    EXPECT_EQ(chosen.outputPath, "C:\\new.xml");
    const SettingsFile file = SettingsFile::OfProgram("TxLinkAlto.env");
    for (const bool prescribed : {true, false}) {
        EXPECT_TRUE(file.Write(dialog_->m_settingsKey, chosen.ToRemember(prescribed)));
        EXPECT_EQ(Settings(), prescribed ? "yamada/1/2:1/7/9/C:\\rem\\a.xml\n" : "yamada/1/2:1/7/9/C:\\new.xml\n");
    }
}

}  // namespace
