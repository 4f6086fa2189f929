// The destination check run by Execute: each step's message in order, the drive test over
// every drive type and network shares, the folder chain, the overwrite question.
#include "conditions/DestinationCheck.h"
#include "tests/conditions/DialogFixture.h"
#include "tests/support/ProgramRunner.h"

namespace {

namespace fs = std::filesystem;

const std::string kEmpty = Utf8(u8"データ出力先が指定されていません。\n\n出力先を指定してください。");
const std::string kForbidden = Utf8(u8"データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。");
const std::string kDrive = Utf8(u8"ドライブ名が有効でありません。\n\n有効なドライブを指定してください。");
const std::string kNoFileName = Utf8(u8"ファイル名が指定されていません。");
const std::string kCreateFolder = Utf8(u8"指定されたフォルダは存在しません。\n\n作成してもよろしいですか？");
const std::string kFolderFailed = Utf8(u8"フォルダの作成に失敗しました。\n\n出力先を再入力してください。");
const std::string kOverwrite = Utf8(u8"同名のファイルが存在します。\n\n上書きしてもよろしいですか？");
const std::string kCancelled = Utf8(u8"｢消費税｣の集計を中止します。");

using Texts = std::vector<std::string>;

class DestinationCheckTest : public DialogFixture {
protected:
    // Types the path and clicks Execute; the answers follow. The script's end closes a dialog
    // that stays open.
    INT_PTR Execute(const std::string& path, const std::string& answers = "", const std::string& faults = "") {
        fs::create_directories(folder_ + "/pub");
        fs::create_directories(folder_ + "/cd");
        return Run("text 1008 " + path + "\nclick 1005\n" + answers, faults,
                   ";D:=" + folder_ + "/cd,cdrom;\\\\srv\\pub=" + folder_ + "/pub,remote");
    }
    Texts Messages() {
        Texts texts;
        for (const auto& box : Events("msgbox")) texts.push_back(box["text"]);
        return texts;
    }
    nlohmann::json LastFocus() { return Events("focus").back(); }
};

TEST_F(DestinationCheckTest, EachPathStepShowsItsWarningAndSelectsThePath) {
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {"", kEmpty},
        {"C:\\out\\*.xml", kForbidden},
        {"C:\\out\\\\a.xml", kForbidden},
        {"C:\\out\\a;b.xml", kForbidden},
        {"C:\\out\\a:b.xml", kForbidden},
        {"\\\\srv\\pub\\\\a.xml", kForbidden},
        {"\\\\srv\\pub\\a|b.xml", kForbidden},
        {"C:\\out\\a\tb.xml", kForbidden},
        {"1:\\out\\a.xml", kDrive},
        {"D:\\a.xml", kDrive},
        {"\\\\srv\\pub", kDrive},
        {"\\\\srv\\none\\a.xml", kDrive},
        {"C:\\out\\", kNoFileName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(Execute(c.path), IDC_CANCEL);
        EXPECT_EQ(Messages(), (Texts{c.message, kCancelled}));
        const auto box = Events("msgbox").front();
        EXPECT_EQ(box["caption"], Utf8(u8"消費税"));
        EXPECT_EQ(box["icon"], "warning");
        EXPECT_EQ(box["owner"], 130);
        EXPECT_EQ(LastFocus()["control"], 1008);
        EXPECT_EQ(LastFocus()["selectAll"], true);
        Restart();
    }
}

TEST_F(DestinationCheckTest, NetworkPathWithABackslashAfterTheSharePasses) {
    EXPECT_EQ(Execute("\\\\srv\\pub\\a.xml"), IDC_EXECUTE);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DestinationCheckTest, MissingFolderIsCreatedOnlyAfterYes) {
    EXPECT_EQ(Execute("C:\\out\\deep\\a.xml", "answer no\n"), IDC_CANCEL);
    EXPECT_EQ(Messages(), (Texts{kCreateFolder, kCancelled}));
    EXPECT_EQ(Events("msgbox").front()["icon"], "question");
    EXPECT_EQ(LastFocus()["control"], 1008);
    EXPECT_FALSE(fs::exists(HostPath("out")));

    Restart();
    EXPECT_EQ(Execute("C:\\out\\deep\\a.xml", "answer yes\n"), IDC_EXECUTE);
    EXPECT_TRUE(fs::is_directory(HostPath("out/deep")));
    EXPECT_FALSE(fs::exists(HostPath("out/deep/a.xml")));  // the report is written later
}

TEST_F(DestinationCheckTest, FailedChainRemovesWhatItMadeAndSaysSo) {
    fs::create_directories(HostPath("one"));
    EXPECT_EQ(Execute("C:\\one\\two\\three\\a.xml", "answer yes\n", "mkdir-fail=three"), IDC_CANCEL);
    EXPECT_EQ(Messages(), (Texts{kCreateFolder, kFolderFailed, kCancelled}));
    EXPECT_TRUE(fs::is_directory(HostPath("one")));
    EXPECT_FALSE(fs::exists(HostPath("one/two")));
}

TEST_F(DestinationCheckTest, DriveWithoutEntryIsReportedByTheFolderStep) {
    EXPECT_EQ(Execute("Q:\\a.xml", "answer yes\n"), IDC_CANCEL);
    EXPECT_EQ(Messages(), (Texts{kCreateFolder, kFolderFailed, kCancelled}));
}

TEST_F(DestinationCheckTest, ExistingEntriesNeedAFileAndConsent) {
    PutFile("out/a.xml", "old");
    EXPECT_EQ(Execute("C:\\out", ""), IDC_CANCEL);  // a folder
    EXPECT_EQ(Messages(), (Texts{kNoFileName, kCancelled}));

    Restart();
    PutFile("out/a.xml", "old");
    EXPECT_EQ(Execute("C:\\out\\a.xml", "answer no\n"), IDC_CANCEL);
    EXPECT_EQ(Messages(), (Texts{kOverwrite, kCancelled}));
    EXPECT_EQ(LastFocus()["control"], 1008);

    Restart();
    PutFile("out/a.xml", "old");
    EXPECT_EQ(Execute("C:\\out\\a.xml", "answer yes\n"), IDC_EXECUTE);
    EXPECT_EQ(Messages(), Texts{kOverwrite});
}

TEST_F(DestinationCheckTest, FixedPathReplacesAnExistingFileWithoutAQuestion) {
    PutFile("out/fixed.xml", "old");
    dialog_->m_fixedOutputPath = "C:\\out\\fixed.xml";
    EXPECT_EQ(Run("click 1005\n"), IDC_EXECUTE);
    EXPECT_TRUE(Events("msgbox").empty());
    EXPECT_EQ(dialog_->m_outputPath, "C:\\out\\fixed.xml");
}

class DriveTest : public HostFixture {};

TEST_F(DriveTest, EachDriveTypeAndAccess) {
    for (const char* name : {"rem", "fix", "net", "cd", "ram", "unk"}) fs::create_directories(folder_ + "/" + name);
    HostConfig config;
    config.drives = "C:=" + folder_ + "/rem,removable;E:=" + folder_ + "/fix,fixed;F:=" + folder_ +
                    "/net,remote;G:=" + folder_ + "/cd,cdrom;H:=" + folder_ + "/ram,ramdisk;I:=" + folder_ +
                    "/unk,unknown;J:=" + folder_ + "/nomedium,removable";
    StartHost("", config);
    EXPECT_TRUE(IsUsableDrive('C'));
    EXPECT_TRUE(IsUsableDrive('e'));  // the letter in either case
    EXPECT_TRUE(IsUsableDrive('F'));
    EXPECT_FALSE(IsUsableDrive('G'));
    EXPECT_FALSE(IsUsableDrive('H'));
    EXPECT_FALSE(IsUsableDrive('I'));
    EXPECT_FALSE(IsUsableDrive('J'));  // removable without its medium
    EXPECT_TRUE(IsUsableDrive('Q'));   // no such drive: left to the folder step
    EXPECT_FALSE(IsUsableDrive('1'));
    EXPECT_EQ(FindPathFault("G:\\a.xml"), PathFault::BadDrive);
    EXPECT_EQ(FindPathFault("e:a.xml"), PathFault::None);
}

TEST_F(DriveTest, TrailBytesAreNeitherSeparatorsNorForbiddenCharacters) {
    StartHost();
    // 表 and ソ end in 0x5C; a pair of them is no doubled backslash, a last one no empty name.
    EXPECT_EQ(FindPathFault("C:\\表ソ\\表"), PathFault::None);
    EXPECT_EQ(FindPathFault("C:\\表\\\\ソ.xml"), PathFault::ForbiddenCharacter);
    EXPECT_EQ(FindPathFault("C:\\out\\表\\"), PathFault::NoFileName);
}

// A control character or half a character at the end can never be part of a file name.
TEST_F(DriveTest, ControlCharactersAndALoneLeadByteAreForbidden) {
    StartHost();
    for (const std::string path : {"C:\\out\\a\r.xml", "C:\\out\\a.xml\n", "C:\\out\\\ta.xml",
                                   "C:\\out\\a\x01.xml", "C:\\out\\a\x1F.xml", "\\\\srv\\pub\\a\x1B.xml",
                                   "C:\\out\\a.xml\x81", "C:\\out\\\x81\n.xml", "C:\\out\\表\xE0"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(FindPathFault(path), PathFault::ForbiddenCharacter);
    }
    // A lead byte with its trail byte, and half-width katakana (single bytes), are characters.
    EXPECT_EQ(FindPathFault("C:\\out\\a.xml表"), PathFault::None);
    EXPECT_EQ(FindPathFault("C:\\out\\ｱｲ"), PathFault::None);
}

}  // namespace
