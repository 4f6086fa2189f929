// The run in-process: the order of the core calls at start-up and shut-down.
#include "app/LinkApp.h"
#include "core_api/standin/StandIn.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ScenarioBooks.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

class LinkAppTest : public HostFixture {
protected:
    int Run(const std::string& script, const std::string& commandLine = "") {
        LoadBooks(books_);
        std::filesystem::create_directories(folder_ + "/c/prog");
        std::ofstream(folder_ + "/c/prog/ZeimonDef.ini") << "[TX31]\r\nProgramLevel=4\r\n";
        HostConfig config;
        config.modulePath = folder_ + "/c/prog/TxLinkAlto";
        config.script = script;
        config.drives = "C:=" + folder_ + "/c";
        return HostSession::Run(config, commandLine);
    }

    // The connection's calls, in order.
    static std::vector<std::string> ConnectionCalls() {
        std::vector<std::string> calls;
        for (const std::string& call : StandIn::CallLog()) {
            if (call.rfind("ClAccConnect::", 0) == 0) calls.push_back(call.substr(14));
        }
        return calls;
    }

    nlohmann::json books_ = ScenarioBooks();
    LinkApp app_{ProgramIdentity{3, "帳簿星２１ Alto", "TxLinkAlto.env"}};
};

TEST_F(LinkAppTest, ConnectsAndDisconnectsInOrder) {
    EXPECT_EQ(Run("click 1006\n"), 1);
    EXPECT_EQ(ConnectionCalls(), (std::vector<std::string>{"SetAppType", "SetUseDataType", "Initiate",
                                                           "ExpSysLink", "LogOut", "Terminate", "Release"}));
}

TEST_F(LinkAppTest, RefusedConnectionStillDisconnects) {
    books_["connection"]["initiate"] = 5;
    EXPECT_EQ(Run(""), 0);
    EXPECT_EQ(ConnectionCalls(),
              (std::vector<std::string>{"SetAppType", "SetUseDataType", "Initiate", "LogOut", "Terminate", "Release"}));
}

// The selected data set and its tax settings are read once, before the dialog; the rule
// objects of the aggregation are deleted in the reverse order of their creation, before the
// core is left.
TEST_F(LinkAppTest, JournalRunReadsTheSettingsOnceAndDeletesItsRulesBeforeLoggingOut) {
    EXPECT_EQ(Run("click 1005\nanswer yes\n", "123,32769,5,C:\\Out\\fixed.xml"), 0);
    const std::vector<std::string> log = StandIn::CallLog();
    const auto count = [&](const std::string& call) { return std::count(log.begin(), log.end(), call); };
    EXPECT_EQ(count("ClSetShohizei::Get"), 1);
    EXPECT_EQ(count("ClSysUser::GetSelectedNo"), 1);
    const auto position = [&](const std::string& call) {
        return std::find(log.rbegin(), log.rend(), call).base() - log.begin();
    };
    const std::vector<std::string> rules = {"ClRuleShohizeiShinkoku", "ClRuleShiwake", "ClRuleKamoku",
                                            "ClRuleGenkashokyaku"};
    for (std::size_t i = 0; i + 1 < rules.size(); ++i) {
        const std::string later = rules[i + 1] + "::~" + rules[i + 1];
        EXPECT_LT(position(later), position(rules[i] + "::~" + rules[i])) << later;
    }
    EXPECT_LT(position("ClRuleShohizeiShinkoku::~ClRuleShohizeiShinkoku"), position("ClAccConnect::LogOut"));
}

TEST_F(LinkAppTest, FinishedRunFreesTheFiguresAndRemembersNoPrescribedPath) {
    EXPECT_EQ(Run("click 1005\nanswer yes\n", "123,32769,5,C:\\Out\\fixed.xml"), 0);
    EXPECT_TRUE(app_.Figures().rates.empty());
    EXPECT_FALSE(app_.Figures().savedReturn);
    EXPECT_EQ(app_.State().fixedOutputPath, "C:\\Out\\fixed.xml");
}

}  // namespace
