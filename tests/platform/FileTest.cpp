#include "platform/CFile.h"
#include "platform/SystemServices.h"
#include "platform/WorldError.h"
#include "platform/script/Faults.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Content(const std::string& hostPath) {
    std::ifstream file(hostPath, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

constexpr UINT kCreate = CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive | CFile::typeBinary;

}  // namespace

TEST(HostFile, CreateTruncatesAndWritesBytesUnchanged) {
    ScratchFolder root;
    Session session("", root.Drives());
    std::ofstream(root.Host("out.xml")) << "old content that is longer";
    CFile file;
    ASSERT_TRUE(file.Open(root.Path("OUT.xml"), kCreate));
    EXPECT_TRUE(file.Write("a\r\n", 3));
    EXPECT_TRUE(file.Write("表\r\n", 4));
    file.Close();
    EXPECT_EQ(Content(root.Host("out.xml")), "a\r\n表\r\n");
    EXPECT_EQ(SessionBytesWritten(), 7u);

    CFile reader;
    ASSERT_TRUE(reader.Open(root.Path("out.xml"), CFile::modeRead | CFile::shareDenyNone));
    char buffer[16] = {};
    EXPECT_EQ(reader.GetLength(), 7u);
    EXPECT_EQ(reader.Read(buffer, sizeof buffer), 7u);
    EXPECT_FALSE(reader.Write("x", 1));  // opened for reading
}

TEST(HostFile, ExclusiveOpenKeepsOthersOutAndTruncatesNothingOfTheirs) {
    ScratchFolder root;
    Session session("", root.Drives());
    CFile first;
    ASSERT_TRUE(first.Open(root.Path("a.txt"), kCreate));
    ASSERT_TRUE(first.Write("kept", 4));
    CFile second;
    EXPECT_FALSE(second.Open(root.Path("a.txt"), kCreate));
    EXPECT_FALSE(second.Open(root.Path("a.txt"), CFile::modeRead | CFile::shareDenyNone));
    first.Close();  // Windows keeps the test's own reader out too while it is open
    EXPECT_EQ(Content(root.Host("a.txt")), "kept");
    EXPECT_TRUE(second.Open(root.Path("a.txt"), CFile::modeRead | CFile::shareDenyNone));
    EXPECT_FALSE(first.Open(root.Path("a.txt"), kCreate));  // a reader shares with readers only
    EXPECT_FALSE(first.Open(root.Path("missing\\a.txt"), kCreate));
    EXPECT_FALSE(first.Open(root.Path(""), kCreate));
}

TEST(HostFile, WriteFailAfterRefusesWholeWrites) {
    ScratchFolder root;
    Session session("", root.Drives(), "write-fail-after=5");
    CFile file;
    ASSERT_TRUE(file.Open(root.Path("a.txt"), kCreate));
    EXPECT_TRUE(file.Write("abc", 3));
    EXPECT_FALSE(file.Write("def", 3));  // would pass 5 bytes: nothing of it is written
    EXPECT_TRUE(file.Write("gh", 2));
    EXPECT_FALSE(file.Write("i", 1));
    file.Close();
    EXPECT_EQ(Content(root.Host("a.txt")), "abcgh");
}

TEST(HostFile, InjectedCreateAndReplaceFailures) {
    ScratchFolder root;
    Session session("", root.Drives(), "create-fail=Report.xml,replace-fail");
    std::ofstream(root.Host("settings.env")) << "old";
    std::ofstream(root.Host("settings.tmp")) << "new";
    CFile file;
    EXPECT_FALSE(file.Open(root.Path("report.XML"), kCreate));
    EXPECT_FALSE(std::filesystem::exists(root.Host("report.XML")));
    EXPECT_FALSE(platform::ReplaceFile(root.Path("settings.tmp"), root.Path("settings.env")));
    EXPECT_EQ(Content(root.Host("settings.env")), "old");
    EXPECT_EQ(Content(root.Host("settings.tmp")), "new");
}

TEST(HostFile, ReplaceAndDelete) {
    ScratchFolder root;
    Session session("", root.Drives(), "cwd-fail");
    std::ofstream(root.Host("settings.env")) << "old";
    std::ofstream(root.Host("settings.tmp")) << "new";
    EXPECT_TRUE(platform::ReplaceFile(root.Path("settings.tmp"), root.Path("SETTINGS.env")));
    EXPECT_EQ(Content(root.Host("settings.env")), "new");
    EXPECT_FALSE(std::filesystem::exists(root.Host("settings.tmp")));
    EXPECT_TRUE(platform::DeleteFile(root.Path("settings.env")));
    EXPECT_FALSE(platform::DeleteFile(root.Path("settings.env")));
    EXPECT_EQ(platform::GetCurrentDirectory(), "");  // cwd-fail
}

TEST(HostFaults, UnknownEntriesAreWorldErrors) {
    for (const char* faults : {"write-fail-after=x", "mkdir-fail", "cwd-fail=1", "replace-fail=", "disk-full"}) {
        EXPECT_THROW(Session("", "", faults), WorldError) << faults;
    }
}

TEST(HostFaults, NameEndingInAStarNamesEveryNameThatStartsWithTheRest) {
    const Faults faults = Faults::Parse("create-fail=Report.XML.*,mkdir-fail=out*");
    for (const char* name : {"report.xml.1234.tmp", "REPORT.XML.", "report.xml.*"}) EXPECT_TRUE(faults.RefusesFile(name)) << name;
    for (const char* name : {"report.xml", "report.xm", "areport.xml.1"}) EXPECT_FALSE(faults.RefusesFile(name)) << name;
    EXPECT_TRUE(faults.RefusesFolder("Outbox"));
    EXPECT_FALSE(faults.RefusesFolder("ou"));
    EXPECT_FALSE(Faults::Parse("create-fail=a*b").RefusesFile("axb"));  // only a final star is a wildcard
}

TEST(HostFaults, ReplaceFailsForEveryTargetOrForTheNamedOnes) {
    const Faults named = Faults::Parse("replace-fail=report.xml,replace-fail=*.env");
    EXPECT_TRUE(named.RefusesReplace("REPORT.xml"));
    EXPECT_FALSE(named.RefusesReplace("report.xml.1.tmp"));
    EXPECT_FALSE(named.RefusesReplace("TxLinkAlto.env"));  // the star is no wildcard at the start
    EXPECT_TRUE(Faults::Parse("replace-fail").RefusesReplace("anything"));
    EXPECT_FALSE(Faults().RefusesReplace("anything"));
}

// Windows takes full paths of at most 259 bytes; the host refuses longer ones the same way,
// whatever the length of the host folder the drive maps to, so that tests meet the limit.
TEST(HostFile, PathsPastWindowsLimitAreRefusedAsWindowsRefusesThem) {
    ScratchFolder root;
#ifdef _WIN32
    const std::string host = root.Host();
    Session session("");
#else
    const std::string host = root.Host(std::string(200, 'h') + "/" + std::string(200, 'h'));
    std::filesystem::create_directories(host);
    Session session("", "C:=" + host);
#endif
    const std::string base = host == root.Host() ? root.Path() : "C:\\";
    const std::string folderName(203 - base.size(), 'f');  // the folder's path 203 bytes long
    const std::string folder = base + folderName;
    ASSERT_TRUE(platform::CreateDirectory(folder));
    const std::string longest = folder + "\\" + std::string(259 - folder.size() - 1, 'n');
    ASSERT_EQ(longest.size(), 259u);
    CFile file;
    EXPECT_TRUE(file.Open(longest, kCreate));
    file.Close();
#ifdef _WIN32
    EXPECT_EQ(platform::GetFileAttributes(longest), FILE_ATTRIBUTE_ARCHIVE);  // Windows marks a new file
    // Wine's ANSI calls take longer paths, which Windows' own refuse: the rest is not Wine's.
    if (CFile probe; probe.Open(longest + "x", kCreate)) GTEST_SKIP() << "this system takes paths past 259 bytes";
#else
    EXPECT_EQ(platform::GetFileAttributes(longest), FILE_ATTRIBUTE_NORMAL);
#endif

    const std::string tooLong = longest + "x";
    EXPECT_FALSE(file.Open(tooLong, kCreate));
    EXPECT_EQ(platform::GetLastError(), ERROR_FILENAME_EXCED_RANGE);
    EXPECT_EQ(platform::GetFileAttributes(tooLong), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(platform::CreateDirectory(tooLong));
    EXPECT_FALSE(platform::ReplaceFile(longest, tooLong));
    EXPECT_TRUE(std::filesystem::exists(host + "/" + folderName + "/" + std::string(55, 'n')));
    const auto failures = Events("failure");
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_EQ(failures[0]["call"], "CreateFileA");
    EXPECT_EQ(failures[1]["call"], "CreateDirectoryA");
    EXPECT_EQ(failures[2]["call"], "MoveFileExA");
    for (const auto& failure : failures) {
        EXPECT_EQ(failure["path"], tooLong);
        EXPECT_EQ(failure["code"], 206);
#ifndef _WIN32
        EXPECT_EQ(failure["text"], "File name too long");  // Windows words it itself
#endif
    }
}

// A new file only: a name that exists is refused, its content untouched, and the reason told.
TEST(HostFile, CreateNewTakesNoNameThatExists) {
    ScratchFolder root;
    Session session("", root.Drives());
    std::ofstream(root.Host("taken")) << "kept";
    CFile file;
    constexpr UINT kCreateNew = CFile::modeCreateNew | CFile::modeWrite | CFile::shareExclusive;
    EXPECT_FALSE(file.Open(root.Path("taken"), kCreateNew));
    EXPECT_EQ(platform::GetLastError(), ERROR_FILE_EXISTS);
    EXPECT_EQ(Content(root.Host("taken")), "kept");
    EXPECT_TRUE(file.Open(root.Path("new"), kCreateNew));
    EXPECT_TRUE(std::filesystem::exists(root.Host("new")));
}
