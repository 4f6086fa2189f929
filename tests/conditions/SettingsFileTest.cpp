// The per-user settings file on the host's drive C:, compared byte for byte.
#include "conditions/SettingsFile.h"
#include "platform/CFile.h"
#include "platform/SystemServices.h"
#include "tests/support/HostFixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <time.h>

namespace {

namespace fs = std::filesystem;

const SettingsKey kYamada{"yamada", 1, 2};
const std::string kYamadaLine = "yamada/1/2:0/4/3/C:\\out\\a.xml\n";
const std::string kSuzukiLine = "suzuki/1/2:1/7/9/\\\\srv\\pub\\表.xml\n";
const std::string kOtherDataLine = "yamada/1/22:0/1/12/C:\\other.xml\n";
const std::string kLeadByte = "\x81";  // a lead byte without its trail byte
const std::vector<std::string> kFileAndLock{"TxLinkAlto.env", "TxLinkAlto.env.lock"};

// <chrono> cannot be compiled with the CP932 execution character set.
double SecondsNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

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
    // The names in the settings folder, sorted.
    std::vector<std::string> SettingsFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_ + "/c/TxLink/Settings"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void ClearSettingsFolder() { fs::remove_all(folder_ + "/c/TxLink/Settings"); }

    SettingsFile file_{"C:\\TxLink\\Settings\\", "TxLinkAlto.env"};
};

TEST_F(SettingsFileTest, FirstWriteCreatesTheFoldersAndOneLine) {
    Start();
    EXPECT_FALSE(file_.Read(kYamada));
    EXPECT_TRUE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\out\\a.xml")));
    EXPECT_EQ(Content(), kYamadaLine);
    EXPECT_EQ(SettingsFolder(), kFileAndLock);
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

TEST_F(SettingsFileTest, FailedFirstWriteLeavesNothingBehind) {
    Start("mkdir-fail=Settings");
    EXPECT_FALSE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\a.xml")));
    EXPECT_FALSE(fs::exists(folder_ + "/c/TxLink"));

    Start("write-fail-after=5");
    EXPECT_FALSE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\a.xml")));
    EXPECT_EQ(SettingsFolder(), std::vector<std::string>{"TxLinkAlto.env.lock"});
}

TEST_F(SettingsFileTest, WithoutAFolderNothingIsReadOrWritten) {
    Start();
    const SettingsFile nowhere("", "TxLinkAlto.env");
    EXPECT_FALSE(nowhere.Write(kYamada, Conditions(0, 4, 3, "C:\\a.xml")));
    EXPECT_FALSE(nowhere.Read(kYamada));
}

TEST_F(SettingsFileTest, LinesEndAtTheirLfWhateverStandsBeforeIt) {
    const std::string cutLast = "suzuki/1/2:0/1/1/C:\\s" + kLeadByte;  // a double-byte character cut by the end
    const struct {
        const char* name;
        std::string before;
        std::string oldPath;  // of yamada/1/2 before the write; empty: none
        std::string after;    // after writing yamada/1/2
    } cases[] = {
        {"our line ends in a lone lead byte", "yamada/1/2:0/5/4/C:\\old" + kLeadByte + "\n" + kSuzukiLine,
         "C:\\old" + kLeadByte, kSuzukiLine + kYamadaLine},
        {"the line before ours ends in a lone lead byte", cutLast + "\n" + "yamada/1/2:0/5/4/C:\\old\n" + kOtherDataLine,
         "C:\\old", cutLast + "\n" + kOtherDataLine + kYamadaLine},
        {"the last line ends in a cut character without LF", kOtherDataLine + cutLast, "",
         kOtherDataLine + cutLast + "\n" + kYamadaLine},
        {"a lone lead byte before an empty line", kSuzukiLine + "x" + kLeadByte + "\n\n" + "yamada/1/2:0/5/4/C:\\o\n",
         "C:\\o", kSuzukiLine + "x" + kLeadByte + "\n\n" + kYamadaLine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        Put(c.before);
        const auto old = file_.Read(kYamada);
        EXPECT_EQ(old ? old->outputPath : "", c.oldPath);
        EXPECT_TRUE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\out\\a.xml")));
        EXPECT_EQ(Content(), c.after);
        EXPECT_EQ(file_.Read(kYamada)->outputPath, "C:\\out\\a.xml");
    }
}

TEST_F(SettingsFileTest, WritingRemovesEveryLineOfTheKey) {
    const struct {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {"two entries", "yamada/1/2:0/5/6/C:\\older.xml\n" + kSuzukiLine + "yamada/1/2:0/7/8/C:\\newer.xml\n",
         kSuzukiLine + kYamadaLine},
        {"three, one without its slashes, the last without LF",
         "yamada/1/2:0/5\n" + kOtherDataLine + "yamada/1/2:0/5/6/C:\\b.xml\n" + kSuzukiLine + "yamada/1/2:1/1/1/C:\\c.xml",
         kOtherDataLine + kSuzukiLine + kYamadaLine},
        {"only ours", "yamada/1/2:0/5/6/C:\\b.xml\nyamada/1/2:0/5/6/C:\\b.xml\n", kYamadaLine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        Put(c.before);
        EXPECT_TRUE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\out\\a.xml")));
        EXPECT_EQ(Content(), c.after);
        EXPECT_EQ(file_.Read(kYamada)->startMonth, 4);  // the next run opens with what was written
    }
}

// The successor fails at every byte, or cannot be made, or cannot take the file's place, or
// the lock file cannot be made: the old file stays whole and no successor is left.
TEST_F(SettingsFileTest, FailedRewritesLeaveTheOldFileWhole) {
    const std::string old = kYamadaLine + kSuzukiLine + "tanaka/3/4:0/1/2/C:\\表\\ソ.xml\n";
    const std::string written = kSuzukiLine + "tanaka/3/4:0/1/2/C:\\表\\ソ.xml\n" + "yamada/1/2:1/7/9/C:\\new.xml\n";
    std::vector<std::string> failures = {"replace-fail", "create-fail=~tx*", "create-fail=TxLinkAlto.env.lock",
                                         "create-fail=TxLinkAlto.env"};
    for (std::size_t bytes = 0; bytes < written.size(); ++bytes) failures.push_back("write-fail-after=" + std::to_string(bytes));
    for (const std::string& faults : failures) {
        SCOPED_TRACE(faults);
        ClearSettingsFolder();
        Start(faults);
        Put(old);
        EXPECT_FALSE(file_.Write(kYamada, Conditions(1, 7, 9, "C:\\new.xml")));
        EXPECT_EQ(Content(), old);
        const std::vector<std::string> names = SettingsFolder();
        EXPECT_TRUE(names == kFileAndLock || names == std::vector<std::string>{"TxLinkAlto.env"}) << testing::PrintToString(names);
    }

    // As many bytes as the successor holds are enough.
    Start("write-fail-after=" + std::to_string(written.size()));
    Put(old);
    EXPECT_TRUE(file_.Write(kYamada, Conditions(1, 7, 9, "C:\\new.xml")));
    EXPECT_EQ(Content(), written);
    EXPECT_EQ(SettingsFolder(), kFileAndLock);
}

TEST_F(SettingsFileTest, WriterWaitsForTheLockAndGivesUpAfterAboutTwoSeconds) {
    Start();
    Put(kSuzukiLine);
    CFile holder;
    ASSERT_TRUE(holder.Open(file_.Path() + ".lock", CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
    const double started = SecondsNow();
    EXPECT_FALSE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\out\\a.xml")));
    const double waited = SecondsNow() - started;
    EXPECT_GE(waited, 1.5);
    EXPECT_LT(waited, 10.0);
    EXPECT_EQ(Content(), kSuzukiLine);

    // A lock let go during the wait is taken.
    std::thread release([&holder] {
        platform::Sleep(200);
        holder.Close();
    });
    EXPECT_TRUE(file_.Write(kYamada, Conditions(0, 4, 3, "C:\\out\\a.xml")));
    release.join();
    EXPECT_EQ(Content(), kSuzukiLine + kYamadaLine);
}

}  // namespace
