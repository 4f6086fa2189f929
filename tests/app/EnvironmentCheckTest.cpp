// Whether the installed filing application fits: ZeimonDef.ini in the current directory.
#include "app/EnvironmentCheck.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <filesystem>
#include <fstream>

namespace {

class EnvironmentCheckTest : public HostFixture {
protected:
    // Runs the check with the program folder C:\<folder> holding ini (nothing when null).
    int Check(const char* ini, const std::string& folder = "prog", const std::string& windowsFolder = "C:\\prog") {
        std::filesystem::create_directories(folder_ + "/c/" + folder);
        if (ini != nullptr) std::ofstream(folder_ + "/c/" + folder + "/ZeimonDef.ini") << ini;
        LoadBooks(ScenarioBooks());
        HostConfig config;
        config.currentDirectory = windowsFolder;
        StartHost("", config);
        return CheckEnvironment(nullptr);
    }

    std::string Shown() {
        const auto boxes = Events("msgbox");
        return boxes.empty() ? "" : boxes.front()["text"].get<std::string>();
    }
};

const std::string kBroken = Utf8(u8"動作環境が不正です。\n税匠が正しくインストールされているか確認してください。");
const std::string kFilingAppOlder =
    Utf8(u8"ご利用の連動コンポーネントは、インストールされている税匠では使用できません。\n"
         u8"税匠の最新版を入手してインストールしてからご利用ください。");
const std::string kComponentOlder =
    Utf8(u8"ご利用の連動コンポーネントは、インストールされている税匠では使用できません。\n"
         u8"連動コンポーネントの最新版を入手してインストールしてからご利用ください。");

TEST_F(EnvironmentCheckTest, LevelFourFitsSilently) {
    EXPECT_EQ(Check("[TX31]\r\nProgramLevel=4\r\n"), 1);
    EXPECT_EQ(Shown(), "");
}

TEST_F(EnvironmentCheckTest, OlderFilingApplication) {
    EXPECT_EQ(Check("[TX31]\r\nProgramLevel=3\r\n"), 0);
    const auto box = Events("msgbox").front();
    EXPECT_EQ(box["text"], kFilingAppOlder);
    EXPECT_EQ(box["caption"], Utf8(u8"消費税"));
    EXPECT_EQ(box["icon"], "warning");
}

TEST_F(EnvironmentCheckTest, OlderComponent) {
    EXPECT_EQ(Check("[tx31]\nprogramlevel = 5 \n"), 0);
    EXPECT_EQ(Shown(), kComponentOlder);
}

TEST_F(EnvironmentCheckTest, AbsentKeyCountsAsLevelTwo) {
    EXPECT_EQ(Check("[TX31]\r\nOther=4\r\n"), 0);
    EXPECT_EQ(Shown(), kFilingAppOlder);
}

TEST_F(EnvironmentCheckTest, EmptyValueOrMissingFileIsABrokenEnvironment) {
    EXPECT_EQ(Check("[TX31]\r\nProgramLevel=\r\n"), 0);
    EXPECT_EQ(Shown(), kBroken);
}

TEST_F(EnvironmentCheckTest, MissingFile) {
    EXPECT_EQ(Check(nullptr), 0);
    EXPECT_EQ(Shown(), kBroken);
}

TEST_F(EnvironmentCheckTest, FolderEndingInTrailByteBackslashGetsItsSeparator) {
    // The last byte of 表 is 0x5C: the folder still needs a backslash before the file name.
    EXPECT_EQ(Check("[TX31]\r\nProgramLevel=4\r\n", Utf8(u8"表"), "C:\\表"), 1);
}

}  // namespace
