// What a person at the terminal sees: the prompt offers lines the script takes as they stand,
// and a progress window's captions update one line instead of flooding the terminal.
#include "platform/SystemServices.h"
#include "platform/host/HostWorld.h"
#include "platform/script/Transcript.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// The lines a prompt offers after "type: ", separated by " | ".
std::vector<std::string> Offered(const std::string& prompt) {
    std::vector<std::string> lines;
    const std::size_t at = prompt.find("type: ");
    if (at == std::string::npos) return lines;
    std::string rest = prompt.substr(at + 6);
    for (std::size_t bar = rest.find(" | "); bar != std::string::npos; bar = rest.find(" | ")) {
        lines.push_back(rest.substr(0, bar));
        rest.erase(0, bar + 3);
    }
    lines.push_back(rest);
    return lines;
}

}  // namespace

TEST(TerminalPrompt, MessageBoxesOfferLinesThatAnswerThemAsTyped) {
    const struct {
        UINT type;
        std::vector<std::string> offered;
        std::vector<int> answers;
    } cases[] = {
        {MB_OK | MB_ICONINFORMATION, {"answer ok"}, {IDOK}},
        {MB_YESNO | MB_ICONQUESTION, {"answer yes", "answer no"}, {IDYES, IDNO}},
    };
    for (const auto& c : cases) {
        for (std::size_t pick = 0; pick < c.offered.size(); ++pick) {
            Session session("");
            std::vector<std::string> offered;
            World().automation->SetScript(UiScript(
                [&]() -> std::optional<std::string> {
                    if (offered.size() <= pick) return std::nullopt;
                    return offered[pick];
                },
                [&] { offered = Offered(World().waiting); }));
            EXPECT_EQ(platform::MessageBox(nullptr, "text", "caption", c.type), c.answers[pick]);
            EXPECT_EQ(offered, c.offered);
        }
    }
}

TEST(TerminalEcho, CaptionsOfOneWindowUpdateOneLineOnlyOnATerminal) {
    const struct {
        bool terminal;
        std::string echo;
    } cases[] = {
        {false, "| caption 131: 1\n| caption 131: 2\n| caption 130: x\n| caption 131: 3\n| caption 131: 4\n| exit 0\n"},
        {true,
         "| caption 131: 1\n\x1b[A\r| caption 131: 2\x1b[K\n| caption 130: x\n| caption 131: 3\n| caption 131: 4\n"
         "| exit 0\n"},
    };
    for (const auto& c : cases) {
        Transcript transcript;
        transcript.Open("", true, c.terminal);
        ::testing::internal::CaptureStderr();
        transcript.Caption(131, "1");
        transcript.Caption(131, "2");
        transcript.Caption(130, "x");
        transcript.Caption(131, "3");
        transcript.EchoInterrupted();  // the prompt wrote below the caption's line
        transcript.Caption(131, "4");
        transcript.Exit(0);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.echo) << c.terminal;
        EXPECT_EQ(transcript.Lines().size(), 6u);  // the transcript itself keeps every caption
    }
}
