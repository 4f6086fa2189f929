#include "platform/SystemServices.h"
#include "platform/WorldError.h"
#include "platform/host/DriveTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

TEST(DriveTable, ParsesLettersSharesAndTypes) {
    const DriveTable table = DriveTable::Parse("c:=/srv/c; D:=/srv/d,cdrom;\\\\Srv\\Pub=/srv/pub/,remote;");
    ASSERT_NE(table.Find("C:"), nullptr);
    EXPECT_EQ(table.Find("c:")->hostDir, "/srv/c");
    EXPECT_EQ(table.Find("D:")->type, DRIVE_CDROM);
    EXPECT_EQ(table.Find("\\\\srv\\PUB")->hostDir, "/srv/pub");
    EXPECT_EQ(table.Find("\\\\srv\\pub")->type, DRIVE_REMOTE);
    EXPECT_EQ(table.Find("Z:")->hostDir, "/");  // always there unless mapped
    EXPECT_EQ(table.Find("E:"), nullptr);
    EXPECT_EQ(DriveTable::Parse("Z:=/srv/z").Find("Z:")->hostDir, "/srv/z");
}

TEST(DriveTable, RefusesMalformedEntries) {
    for (const char* text : {"C:/srv", "C:=relative", "C:=/a,floppy", "CC:=/a", "\\\\server=/a", "C:=/a;c:=/b"}) {
        EXPECT_THROW(DriveTable::Parse(text), WorldError) << text;
    }
}

TEST(DriveTable, MapsBothWaysThroughTheDeepestFolder) {
    const DriveTable table = DriveTable::Parse("C:=/srv/c;\\\\srv\\pub=/srv/c/pub");
    EXPECT_EQ(table.ToWindows("/srv/c/pub/a.xml"), "\\\\srv\\pub\\a.xml");
    EXPECT_EQ(table.ToWindows("/srv/c/x/../y"), "C:\\y");
    EXPECT_EQ(table.ToWindows("/tmp/a"), "Z:\\tmp\\a");
    EXPECT_EQ(DriveTable::Parse("Z:=/z").ToWindows("/tmp/a"), std::nullopt);  // no Windows name
    EXPECT_EQ(table.ToHost(*ResolveWindowsPath("c:\\A\\..\\b.txt", {})), "/srv/c/b.txt");
}

TEST(WindowsPathTest, ResolvesRelativePathsAndRefusesBadNames) {
    EXPECT_EQ(ResolveWindowsPath("a\\b", "C:\\Work")->Text(), "C:\\Work\\a\\b");
    EXPECT_EQ(ResolveWindowsPath("\\x", "C:\\Work")->Text(), "C:\\x");
    EXPECT_EQ(ResolveWindowsPath("C:x", "C:\\Work")->Text(), "C:\\Work\\x");
    EXPECT_EQ(ResolveWindowsPath("D:x", "C:\\Work")->Text(), "D:\\x");
    EXPECT_EQ(ResolveWindowsPath("\\\\s\\p", "")->Text(), "\\\\s\\p\\");
    EXPECT_EQ(ResolveWindowsPath("C:\\表\\a", "")->names.size(), 2u);  // 表's 0x5C is no separator
    EXPECT_EQ(ResolveWindowsPath("C:\\*.xml", ""), std::nullopt);
    EXPECT_EQ(ResolveWindowsPath("a", ""), std::nullopt);
    EXPECT_EQ(ResolveWindowsPath("\\\\server", ""), std::nullopt);
}

class HostFileSystem : public ::testing::Test {
protected:
    ScratchFolder root;
    Session session{"", "C:=" + root.Host("c") + ";D:=" + root.Host("d") + ",cdrom;R:=" + root.Host("r") +
                            ",removable;\\\\srv\\pub=" + root.Host("pub") + ",remote;U:=" + root.Host("u") + ",unknown",
                    "mkdir-fail=Locked"};
    void SetUp() override {
        for (const char* dir : {"c", "d", "r", "pub", "u", "c/Data"}) std::filesystem::create_directories(root.Host(dir));
        std::ofstream(root.Host("c/Data/File.TXT")) << "x";
    }
};

TEST_F(HostFileSystem, DriveTypesOfRoots) {
    EXPECT_EQ(platform::GetDriveType("C:\\"), DRIVE_FIXED);
    EXPECT_EQ(platform::GetDriveType("d:\\"), DRIVE_CDROM);
    EXPECT_EQ(platform::GetDriveType("R:\\"), DRIVE_REMOVABLE);
    EXPECT_EQ(platform::GetDriveType("U:\\"), DRIVE_UNKNOWN);
    EXPECT_EQ(platform::GetDriveType("\\\\SRV\\pub\\"), DRIVE_REMOTE);
    EXPECT_EQ(platform::GetDriveType("Q:\\"), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(platform::GetDriveType("C:\\Data\\"), DRIVE_NO_ROOT_DIR);
}

TEST_F(HostFileSystem, AccessFollowsTheHostFolderButNeverWritesACdrom) {
    EXPECT_TRUE(platform::CanReadWrite("C:\\"));
    EXPECT_TRUE(platform::CanReadWrite("\\\\srv\\pub"));
    EXPECT_FALSE(platform::CanReadWrite("D:\\"));
    EXPECT_FALSE(platform::CanReadWrite("Q:\\"));
    EXPECT_FALSE(platform::CanReadWrite("C:\\Missing"));
}

TEST_F(HostFileSystem, AttributesMatchNamesWithoutCase) {
    EXPECT_EQ(platform::GetFileAttributes("c:\\DATA"), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(platform::GetFileAttributes("C:\\data\\"), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(platform::GetFileAttributes("C:\\Data\\file.txt"), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(platform::GetFileAttributes("C:\\Data\\file.txt\\"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(platform::GetFileAttributes("C:\\Data\\none.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(platform::GetFileAttributes("C:\\Data\\*.txt"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(HostFileSystem, FoldersAreMadeOneLevelAtATime) {
    EXPECT_FALSE(platform::CreateDirectory("C:\\New\\Deeper"));
    EXPECT_TRUE(platform::CreateDirectory("C:\\New"));
    EXPECT_FALSE(platform::CreateDirectory("c:\\new"));  // exists already, in any case
    EXPECT_TRUE(platform::CreateDirectory("C:\\NEW\\表"));
    EXPECT_TRUE(std::filesystem::is_directory(root.Host("c/New/") + Utf8(u8"表")));
    EXPECT_FALSE(platform::RemoveDirectory("C:\\New"));  // not empty
    EXPECT_TRUE(platform::RemoveDirectory("C:\\New\\表"));
    EXPECT_TRUE(platform::RemoveDirectory("C:\\New"));
    EXPECT_FALSE(platform::CreateDirectory("C:\\locked"));  // mkdir-fail=Locked
    EXPECT_FALSE(std::filesystem::exists(root.Host("c/locked")));
    EXPECT_FALSE(platform::CreateDirectory("Q:\\New"));
}

TEST_F(HostFileSystem, CurrentDirectoryAndTempFolder) {
    EXPECT_TRUE(platform::SetCurrentDirectory("C:\\data"));
    EXPECT_EQ(platform::GetCurrentDirectory(), "C:\\data");
    EXPECT_EQ(platform::GetFileAttributes("File.txt"), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(platform::SetCurrentDirectory("C:\\Data\\File.txt"));
    EXPECT_EQ(platform::GetCurrentDirectory(), "C:\\data");
    EXPECT_EQ(platform::GetTempPath(), "C:\\Temp\\");
    EXPECT_TRUE(std::filesystem::is_directory(root.Host("c/Temp")));
}
