#include "platform/SystemServices.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

class Profile : public ::testing::Test {
protected:
    ScratchFolder root;
    Session session{"", "C:=" + root.Host()};
    void Write(const std::string& name, const std::string& content) {
        std::ofstream(root.Host(name), std::ios::binary) << content;
    }
    std::string Read(const std::string& key, const std::string& file = "C:\\ZeimonDef.ini") {
        return platform::GetPrivateProfileString("TX31", key, "2 ", file);
    }
};

TEST_F(Profile, WindowsSemanticsOfKeysAndValues) {
    Write("ZeimonDef.ini",
          "; comment\r\n[Other]\r\nProgramLevel=9\r\n[ tx31 ]\r\n  programlevel =  4  \r\nEmpty=\r\n"
          "Quoted=\" a b \"\r\nName=表\r\n[TX31]\r\nLate=1\r\n");
    EXPECT_EQ(Read("ProgramLevel"), "4");
    EXPECT_EQ(Read("EMPTY"), "");        // an empty value is no absent key
    EXPECT_EQ(Read("Quoted"), " a b ");  // one pair of quotes goes
    EXPECT_EQ(Read("Name"), "表");
    EXPECT_EQ(Read("Missing"), "2");  // the default, trimmed
    EXPECT_EQ(Read("Late"), "2");     // only the first section of a name is read
    EXPECT_EQ(platform::GetPrivateProfileString("None", "ProgramLevel", "d", "C:\\ZeimonDef.ini"), "d");
}

TEST_F(Profile, MissingFileOrFolderGivesTheDefault) {
    EXPECT_EQ(Read("ProgramLevel", "C:\\absent.ini"), "2");
    EXPECT_EQ(Read("ProgramLevel", "Q:\\absent.ini"), "2");
    Write("Plain.ini", "[TX31]\nProgramLevel=4\n");
    EXPECT_EQ(Read("ProgramLevel", "Plain.ini"), "2");  // a bare name is looked for in C:\Windows
    std::filesystem::create_directories(root.Host("Windows"));
    Write("Windows/Plain.ini", "[TX31]\nProgramLevel=5\n");
    EXPECT_EQ(Read("ProgramLevel", "Plain.ini"), "5");
}
