// Two runs at once of one program for one user on two data sets: both remember their
// conditions, and the other entries of the settings file keep their bytes.
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const std::string kEntries[] = {"yamada/1/2:0/4/3/C:\\a.xml\n", "yamada/1/3:0/4/3/C:\\b.xml\n"};

// Other users' entries, enough of them that a rewrite takes a moment.
std::string OtherUsers() {
    std::string lines;
    for (int user = 0; user < 300; ++user) lines += "user" + std::to_string(user) + "/1/2:1/7/9/C:\\" + std::string(80, 's') + ".xml\n";
    return lines;
}
std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The scenario books with a second data set, number 3, selected by selection [1, 3].
nlohmann::json BooksOfTwoDataSets(int selected) {
    nlohmann::json books = ScenarioBooks();
    nlohmann::json second = SelectedDataSet(books);
    second["id"] = "DS0003";
    second["number"] = 3;
    books["dataSets"].push_back(second);
    books["selection"] = {1, selected};
    return books;
}

class ConcurrentSettingsScenario : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = MakeTemporaryFolder("concurrent");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    ProgramSetup Setup(int selected, const std::string& report) const {
        ProgramSetup setup;
        setup.books = BooksOfTwoDataSets(selected).dump();
        setup.script = "text 1008 " + report + "\nkey F12\n";
        setup.drives = "C:=" + folder_ + "/c";
        return setup;
    }

    std::string folder_;
};

TEST_F(ConcurrentSettingsScenario, TwoRunsAtOnceBothRememberTheirConditions) {
    const std::string settings = folder_ + "/c/TxLink/Settings/TxLinkAlto.env";
    const std::string others = OtherUsers();
    for (int pair = 0; pair < 20; ++pair) {
        SCOPED_TRACE("pair " + std::to_string(pair));
        fs::remove_all(folder_ + "/c");
        fs::create_directories(folder_ + "/c/TxLink/Settings");
        std::ofstream(settings, std::ios::binary) << others;

        StartedProgram first = StartProgram(Setup(2, "C:\\a.xml"));
        StartedProgram second = StartProgram(Setup(3, "C:\\b.xml"));
        const ProgramRun firstRun = WaitForProgram(std::move(first));
        const ProgramRun secondRun = WaitForProgram(std::move(second));
        EXPECT_EQ(firstRun.exitStatus, 0) << firstRun.stderrText;
        EXPECT_EQ(secondRun.exitStatus, 0) << secondRun.stderrText;

        const std::string content = Content(settings);
        EXPECT_TRUE(content.starts_with(others)) << "other users' entries changed";
        const std::string ours = content.substr(std::min(others.size(), content.size()));
        EXPECT_TRUE(ours == kEntries[0] + kEntries[1] || ours == kEntries[1] + kEntries[0]) << ours;
        for (const auto& entry : fs::directory_iterator(folder_ + "/c/TxLink/Settings"))
            EXPECT_FALSE(entry.path().filename().string().starts_with("~tx")) << "a successor left behind";
    }
}

}  // namespace
