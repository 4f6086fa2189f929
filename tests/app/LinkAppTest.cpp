// The run in-process: the order of the core calls at start-up and shut-down.
#include "app/LinkApp.h"
#include "core_api/standin/StandIn.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ScenarioBooks.h"

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

TEST_F(LinkAppTest, FinishedRunFreesTheFiguresAndRemembersNoPrescribedPath) {
    EXPECT_EQ(Run("click 1005\nanswer yes\n", "123,32769,5,C:\\Out\\fixed.xml"), 0);
    EXPECT_TRUE(app_.Figures().rates.empty());
    EXPECT_FALSE(app_.Figures().savedReturn);
    EXPECT_EQ(app_.State().fixedOutputPath, "C:\\Out\\fixed.xml");
}

}  // namespace
