// Path operations on CP932 paths, and the folder chain with its undo on the host's drives.
#include "conditions/PathOperations.h"
#include "tests/support/HostFixture.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// 表 and ソ end in the byte 0x5C, which is no separator inside them.
const std::string kHyo = "表";
const std::string kSo = "ソ";

TEST(PathText, TrailingBackslashIsAddedOnlyWhereItIsMissingAndFits) {
    std::string text = "C:\\out";
    EXPECT_TRUE(EnsureTrailingBackslash(text, 261));
    EXPECT_EQ(text, "C:\\out\\");
    EXPECT_TRUE(EnsureTrailingBackslash(text, 261));
    EXPECT_EQ(text, "C:\\out\\");

    std::string hyo = "C:\\" + kHyo;
    EXPECT_TRUE(EnsureTrailingBackslash(hyo, 261));
    EXPECT_EQ(hyo, "C:\\" + kHyo + "\\");

    std::string empty;
    EXPECT_FALSE(EnsureTrailingBackslash(empty, 261));
    // A backslash after a lone lead byte would become its trail byte: another name.
    std::string halfCharacter = "C:\\out\x81";
    EXPECT_FALSE(EnsureTrailingBackslash(halfCharacter, 261));
    EXPECT_EQ(halfCharacter, "C:\\out\x81");
    std::string full(259, 'a');
    EXPECT_TRUE(EnsureTrailingBackslash(full, 261));
    std::string tooLong(260, 'a');
    EXPECT_FALSE(EnsureTrailingBackslash(tooLong, 261));
    EXPECT_EQ(tooLong.size(), 260u);
}

TEST(PathText, PartsSplitAtTheLastRealBackslash) {
    const std::string path = "C:\\" + kSo + "\\" + kHyo + ".xml";
    EXPECT_EQ(FolderPart(path), "C:\\" + kSo + "\\");
    EXPECT_EQ(FileNamePart(path), kHyo + ".xml");
    EXPECT_EQ(FolderPart("C:" + kHyo), "");
    EXPECT_EQ(FileNamePart("C:" + kHyo), "C:" + kHyo);
    EXPECT_EQ(FileNamePart("C:\\out\\"), "");
}

TEST(PathText, ShareNameEndsAtTheSecondBackslashAfterTheServer) {
    EXPECT_EQ(ShareNameEnd("\\\\srv\\pub\\a.xml"), 9u);
    EXPECT_EQ(ShareNameEnd("\\\\srv\\pub"), std::string::npos);
    EXPECT_EQ(ShareNameEnd("\\\\srv"), std::string::npos);
    // A server named 表ソ: neither trail byte ends it.
    const std::string server = "\\\\" + kHyo + kSo + "\\pub\\a.xml";
    EXPECT_EQ(ShareNameEnd(server), 10u);
}

class FolderChainTest : public HostFixture {
protected:
    void Start(const std::string& faults = "") {
        HostConfig config;
        config.drives = "C:=" + folder_ + "/c;\\\\srv\\pub=" + folder_ + "/pub,remote";
        config.faults = faults;
        fs::create_directories(folder_ + "/pub");
        StartHost("", config);
    }
    bool Exists(const std::string& hostPath) const { return fs::is_directory(folder_ + hostPath); }
};

TEST_F(FolderChainTest, MissingLevelsAreCreatedBelowTheFirstExistingOne) {
    Start();
    fs::create_directories(folder_ + "/c/one");
    EXPECT_TRUE(CreateFolderChain("C:\\one\\two\\three\\"));
    EXPECT_TRUE(Exists("/c/one/two/three"));
    EXPECT_TRUE(CreateFolderChain("\\\\srv\\pub\\" + kHyo + "\\" + kSo));
    EXPECT_TRUE(Exists("/pub/" + std::string(reinterpret_cast<const char*>(u8"表")) + "/" +
                       std::string(reinterpret_cast<const char*>(u8"ソ"))));
}

TEST_F(FolderChainTest, FailureAtTheThirdLevelRemovesTheSecondAgain) {
    Start("mkdir-fail=three");
    fs::create_directories(folder_ + "/c/one");
    EXPECT_FALSE(CreateFolderChain("C:\\one\\two\\three\\"));
    EXPECT_TRUE(Exists("/c/one"));
    EXPECT_FALSE(Exists("/c/one/two"));
}

TEST_F(FolderChainTest, FoldersWithoutAUsableRootFail) {
    Start();
    EXPECT_FALSE(CreateFolderChain("one\\two\\"));           // relative
    EXPECT_FALSE(CreateFolderChain("C:\\"));                 // nothing below the root
    EXPECT_FALSE(CreateFolderChain("Q:\\one\\"));            // a drive that does not exist
    EXPECT_FALSE(CreateFolderChain("\\\\srv\\"));            // no share
    EXPECT_FALSE(CreateFolderChain("C:\\" + std::string(258, 'a')));  // 262 bytes with the backslash
    EXPECT_TRUE(fs::is_empty(folder_ + "/c"));
}

}  // namespace
