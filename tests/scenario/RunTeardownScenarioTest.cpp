// How a run ends when its launch parameter names a window of 0, and when the host world stops
// it while the progress window is up: no call on a missing window, no object of the run left
// for the static teardown (the sanitizer build stops on either).
#include "tests/support/ProgramRunner.h"
#include "tests/support/ScenarioBooks.h"

#include <gtest/gtest.h>

namespace {

const std::string kExecute = "text 1008 C:\\Out\\report.xml\nclick 1005\nanswer yes\n";

ProgramRun RunWith(const std::string& script, std::vector<std::string> args, const std::string& faults = {}) {
    ProgramSetup setup;
    setup.books = ScenarioBooks().dump();
    setup.script = script;
    setup.args = std::move(args);
    setup.faults = faults;
    return RunProgram(setup);
}

TEST(RunTeardown, WindowOfZeroIsNoCallingWindow) {
    for (const char* parameter : {",,,", ",,,,,,", "abc,def,ghi,"}) {
        const ProgramRun run = RunWith(kExecute, {parameter});
        EXPECT_EQ(run.exitStatus, 0) << parameter << run.stderrText;
        EXPECT_TRUE(run.ParentActions().empty()) << parameter;
    }
}

// The scripts stop the run with a question nobody answers: after a failed section of the
// report, while the progress window still exists.
TEST(RunTeardown, HostErrorWithTheProgressWindowUpEndsWithThree) {
    for (const std::string parameter : {"", "123,32769,5,"}) {
        std::vector<std::string> args;
        if (!parameter.empty()) args.push_back(parameter);
        const ProgramRun run = RunWith(kExecute, args, "write-fail-after=100");
        EXPECT_EQ(run.exitStatus, 3) << parameter << run.stderrText;
        EXPECT_NE(run.stderrText.find("txlink: "), std::string::npos) << run.stderrText;
        EXPECT_EQ(run.stderrText.find("AddressSanitizer"), std::string::npos) << run.stderrText;
        const auto dialogs = run.Events("dialog");
        ASSERT_FALSE(dialogs.empty());
        EXPECT_EQ(dialogs.back()["id"], 131);
        EXPECT_EQ(dialogs.back()["action"], "destroy");
    }
}

}  // namespace
