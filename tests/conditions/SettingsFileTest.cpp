// The per-user settings file on the host's drive C:, compared byte for byte.
#include "conditions/SettingsFile.h"
#include "tests/support/HostFixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const SettingsKey kYamada{"yamada", 1, 2};
const std::string kYamadaLine = "yamada/1/2:0/4/3/C:\\out\\a.xml\n";
const std::string kSuzukiLine = "suzuki/1/2:1/7/9/\\\\srv\\pub\\表.xml\n";
const std::string kOtherDataLine = "yamada/1/22:0/1/12/C:\\other.xml\n";

RememberedConditions Conditions(long method, int start, int end, const std::string& path) {
    return {method, static_cast<std::int16_t>(start), static_cast<std::int16_t>(end), path};
}

class SettingsFileTest : public HostFixture {
protected:
    void Start(const std::string& faults = "") {
        HostConfig config;
        config.faults = faults;
        StartHost("", config);
    }
    std::string HostFile() const { return folder_ + "/c/TxLink/Settings/TxLinkAlto.env"; }
    void Put(const std::string& content) {
        fs::create_directories(folder_ + "/c/TxLink/Settings");
        std::ofstream(HostFile(), std::ios::binary) << content;
    }
    std::string Content() const {
        std::ifstream in(HostFile(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> SettingsFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_ + "/c/TxLink/Settings"))
            names.push_back(entry.path().filename().string());
        return names;
    }

    SettingsFile file_{"C:\\TxLink\\Settings\\", "TxLinkAlto.env"};
};

TEST_F(SettingsFileTest, FirstWriteCreatesTheFoldersAndOneLine) {
    Start();
    EXPECT_FALSE(file_.Read(kYamada));
    EXPECT_TRUE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\out\\a.xml")));
    EXPECT_EQ(Content(), kYamadaLine);
    EXPECT_EQ(SettingsFolder(), std::vector<std::string>{"TxLinkAlto.env"});
    const auto read = file_.Read(kYamada);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->method, 0);
    EXPECT_EQ(read->startMonth, 4);
    EXPECT_EQ(read->endMonth, 3);
    EXPECT_EQ(read->outputPath, "C:\\out\\a.xml");
}

TEST_F(SettingsFileTest, RewriteMovesTheEntryToTheEndAndKeepsTheOthers) {
    Start();
    Put(kYamadaLine + kSuzukiLine + kOtherDataLine);
    EXPECT_TRUE(file_.Write(kYamada, Conditions(1, 7, 9, "C:/slash/b.xml")));
    EXPECT_EQ(Content(), kSuzukiLine + kOtherDataLine + "yamada/1/2:1/7/9/C:/slash/b.xml\n");
    EXPECT_EQ(file_.Read(kYamada)->outputPath, "C:/slash/b.xml");
    EXPECT_EQ(file_.Read({"yamada", 1, 22})->endMonth, 12);
    EXPECT_EQ(file_.Read({"suzuki", 1, 2})->outputPath, "\\\\srv\\pub\\表.xml");
}

TEST_F(SettingsFileTest, LastLineWithoutLfIsReadAndNeverJoined) {
    Start();
    const std::string suzukiWithoutLf = kSuzukiLine.substr(0, kSuzukiLine.size() - 1);
    Put(kYamadaLine + suzukiWithoutLf);
    EXPECT_EQ(file_.Read({"suzuki", 1, 2})->outputPath, "\\\\srv\\pub\\表.xml");
    EXPECT_TRUE(file_.Write(kYamada, Conditions(0, 5, 6, "C:\\c.xml")));
    EXPECT_EQ(Content(), kSuzukiLine + "yamada/1/2:0/5/6/C:\\c.xml\n");

    Put(suzukiWithoutLf);
    EXPECT_TRUE(file_.Write(kYamada, Conditions(0, 5, 6, "C:\\c.xml")));
    EXPECT_EQ(Content(), kSuzukiLine + "yamada/1/2:0/5/6/C:\\c.xml\n");
}

TEST_F(SettingsFileTest, EntryWithFewerThanThreeSlashesIsNotFoundButReplaced) {
    Start();
    Put("yamada/1/2:0/4\n" + kSuzukiLine);
    EXPECT_FALSE(file_.Read(kYamada));
    EXPECT_TRUE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\out\\a.xml")));
    EXPECT_EQ(Content(), kSuzukiLine + kYamadaLine);
}

TEST_F(SettingsFileTest, LargeFilesAndLongKeysKeepEveryByte) {
    Start();
    std::string others;
    for (int user = 0; others.size() < 40 * 1024; ++user)
        others += "user" + std::to_string(user) + "/1/2:0/4/3/C:\\表\\" + std::string(100, 'x') + ".xml\n";
    const SettingsKey longUser{std::string(64, 'u'), 123456789, -2};
    Put(others + std::string(64, 'u') + "/123456789/-2:0/1/1/C:\\old.xml\n");
    EXPECT_TRUE(file_.Write(longUser, Conditions(0, 2, 2, "C:\\new.xml")));
    EXPECT_EQ(Content(), others + std::string(64, 'u') + "/123456789/-2:0/2/2/C:\\new.xml\n");
    EXPECT_EQ(file_.Read(longUser)->outputPath, "C:\\new.xml");
    EXPECT_EQ(file_.Read({"user0", 1, 2})->outputPath, "C:\\表\\" + std::string(100, 'x') + ".xml");
}

TEST_F(SettingsFileTest, FailedRewritesLeaveTheOldFileAsItWas) {
    const std::string old = kSuzukiLine + kYamadaLine;
    for (const std::string faults : {"replace-fail", "write-fail-after=10", "create-fail=TxLinkAlto.env"}) {
        SCOPED_TRACE(faults);
        Start(faults);
        Put(old);
        EXPECT_FALSE(file_.Write(kYamada, Conditions(1, 7, 9, "C:\\new.xml")));
        EXPECT_EQ(Content(), old);
        EXPECT_EQ(SettingsFolder(), std::vector<std::string>{"TxLinkAlto.env"});
    }
}

TEST_F(SettingsFileTest, FailedFirstWriteLeavesNothingBehind) {
    Start("mkdir-fail=Settings");
    EXPECT_FALSE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\a.xml")));
    EXPECT_FALSE(fs::exists(folder_ + "/c/TxLink"));

    Start("write-fail-after=5");
    EXPECT_FALSE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\a.xml")));
    EXPECT_TRUE(SettingsFolder().empty());
}

TEST_F(SettingsFileTest, WithoutAFolderNothingIsReadOrWritten) {
    Start();
    const SettingsFile nowhere("", "TxLinkAlto.env");
    EXPECT_FALSE(nowhere.Write(kYamada, Conditions(0, 4, 3, "C:\\a.xml")));
    EXPECT_FALSE(nowhere.Read(kYamada));
}

}  // namespace
