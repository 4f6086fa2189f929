#include "platform/CWinApp.h"
#include "platform/WorldError.h"
#include "platform/ApplicationRun.h"
#include "TestDialog.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// An application whose run is one test dialog; the exit code says how it ended.
struct TestApp : CWinApp {
    std::string seenCommandLine;
    int result = 0;
    BOOL InitInstance() override {
        seenCommandLine = m_lpCmdLine;
        BeginWaitCursor();
        TestDialog dialog;
        result = static_cast<int>(dialog.DoModal());
        EndWaitCursor();
        return TRUE;
    }
    int ExitInstance() override { return result == kExecute ? 0 : 1; }
};

HostConfig Config(const std::string& script) {
    HostConfig config;
    config.script = script;
    config.drives = "";
    return config;
}

}  // namespace

TEST(Application, RunAnswersExitInstanceAndEndsWithExit) {
    TestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(HostSession::Run(Config("key F12\nanswer yes\n"), "123,32769,5,"), 0);
    EXPECT_EQ(app.seenCommandLine, "123,32769,5,");
    EXPECT_EQ(HostSession::WaitCursorDepth(), 0);
    EXPECT_EQ(Events().back(), (nlohmann::json{{"event", "exit"}, {"code", 0}}));
    EXPECT_EQ(HostSession::Run(Config("key Esc\n"), ""), 1);
    EXPECT_EQ(Events().back()["code"], 1);
}

TEST(Application, WorldErrorsExitWithThree) {
    TestApp app;
    EXPECT_EQ(HostSession::Run(Config("click 107\n"), ""), 3);
    EXPECT_EQ(Events().back(), (nlohmann::json{{"event", "exit"}, {"code", 3}}));
    HostConfig badDrives = Config("");
    badDrives.drives = "C:=nowhere";
    EXPECT_EQ(HostSession::Run(badDrives, ""), 3);
    EXPECT_EQ(Events().back()["code"], 3);
}

TEST(Application, AfxWinMainReadsTheEnvironment) {
    TestApp app;
    ScratchFolder root;
    const std::string transcript = root.Host("transcript.jsonl");
    const std::string script = root.Host("ui.txt");
    std::ofstream(script) << "key F12\nanswer yes\n";
    ::setenv("TXLINK_UI", script.c_str(), 1);
    ::setenv("TXLINK_TRANSCRIPT", transcript.c_str(), 1);
    ::setenv("TXLINK_DRIVES", ("C:=" + root.Host()).c_str(), 1);
    ::setenv("TXLINK_FAULTS", "", 1);
    char program[] = "TxLinkTest";
    char first[] = "1,2,3,";
    char second[] = "C:\\out.xml";
    char* argv[] = {program, first, second, nullptr};
    EXPECT_EQ(AfxWinMain(3, argv), 0);
    EXPECT_EQ(app.seenCommandLine, "1,2,3, C:\\out.xml");
    std::ifstream lines(transcript);
    std::string line, last;
    while (std::getline(lines, line)) last = line;
    EXPECT_EQ(nlohmann::json::parse(last), (nlohmann::json{{"event", "exit"}, {"code", 0}}));

    ::setenv("TXLINK_DRIVES", "C:=/a,floppy", 1);
    EXPECT_EQ(AfxWinMain(1, argv), 3);
    ::setenv("TXLINK_DRIVES", ("C:=" + root.Host()).c_str(), 1);
    ::setenv("TXLINK_UI", root.Host("missing.txt").c_str(), 1);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(AfxWinMain(1, argv), 3);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "txlink: cannot read the UI script " + root.Host("missing.txt") + ": No such file or directory\n| exit 3\n");
    for (const char* name : {"TXLINK_UI", "TXLINK_TRANSCRIPT", "TXLINK_DRIVES", "TXLINK_FAULTS"}) ::unsetenv(name);
}

// The program's command line after its name as Windows' start-up code takes it, in every
// backend: the name ends at the first blank outside quotes, the blanks after it are skipped,
// and the rest stays as it is, runs of blanks and quotes included.
TEST(Application, CommandLineTailIsWhatFollowsTheProgramName) {
    const struct {
        const char* line;
        const char* tail;
    } cases[] = {
        {"\"C:\\Program Files\\TxLinkAlto.exe\" 1,2,3,C:\\a  b.xml", "1,2,3,C:\\a  b.xml"},
        {"TxLinkAlto.exe   1,2,3,\"C:\\a  b\".xml  ", "1,2,3,\"C:\\a  b\".xml  "},
        {"C:\\\"Program Files\"\\TxLinkAlto.exe\t1,2,3,", "1,2,3,"},
        {"\"C:\\表\\TxLinkAlto.exe\" 1,2,3,", "1,2,3,"},
        {"\"C:\\a\"b.exe c", "c"},  // a quote ends no program name
        {"TxLinkAlto.exe", ""},
        {"\"C:\\unclosed quote 1,2,3,", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CommandLineTail(c.line), c.tail) << c.line;
}

// The host hands the program a parameter passed as one argument as it is, even after a program
// path that holds blanks.
TEST(Application, AfxWinMainKeepsBlanksAndQuotesOfAPrescribedPath) {
    TestApp app;
    ScratchFolder root;
    const std::string script = root.Host("ui.txt");
    std::ofstream(script) << "key F12\nanswer yes\n";
    ::setenv("TXLINK_UI", script.c_str(), 1);
    ::setenv("TXLINK_DRIVES", ("C:=" + root.Host()).c_str(), 1);
    char program[] = "/opt/tx link/TxLinkTest";
    char parameter[] = "1,2,3,C:\\a  \"b\"\tc.xml";
    char* argv[] = {program, parameter, nullptr};
    EXPECT_EQ(AfxWinMain(2, argv), 0);
    EXPECT_EQ(app.seenCommandLine, "1,2,3,C:\\a  \"b\"\tc.xml");
    for (const char* name : {"TXLINK_UI", "TXLINK_DRIVES"}) ::unsetenv(name);
}

// Without TXLINK_DRIVES the program says once where drive C: is, before the run.
TEST(Application, AfxWinMainTellsWhereTheDefaultDriveCIs) {
    TestApp app;
    ScratchFolder home;
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", home.Host().c_str(), 1);
    ::setenv("TXLINK_UI", home.Host("missing.txt").c_str(), 1);
    char program[] = "TxLinkTest";
    char* argv[] = {program, nullptr};
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(AfxWinMain(1, argv), 3);
    const std::string text = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(text.rfind("txlink: TXLINK_DRIVES is not set: drive C: is " + home.Host(".txlink/drive_c") + "\n", 0), 0u)
        << text;
    EXPECT_TRUE(std::filesystem::is_directory(home.Host(".txlink/drive_c")));
    ::setenv("HOME", savedHome.c_str(), 1);
    ::unsetenv("TXLINK_UI");
}
