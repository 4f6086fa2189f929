// The application object and the process entry of the host backend.
#include "platform/CWinApp.h"
#include "platform/host/HostSession.h"
#include "platform/host/HostWorld.h"
#include "platform/script/ApplicationRun.h"
#include "platform/script/TextCodec.h"

namespace {

// The command line; a terminal's UTF-8 becomes the program's CP932 (bytes that are not UTF-8
// stay as they are).
std::string CommandLine(int argc, char** argv) {
    const std::string line = JoinArguments(argc, argv);
    return TextCodec::ToCp932(line).value_or(line);
}

}  // namespace

void BeginWaitCursor() { ++World().waitCursor; }

void EndWaitCursor() {
    if (World().waitCursor > 0) --World().waitCursor;
}

int AfxWinMain(int argc, char** argv) {
    HostConfig config;
    config.scriptPath = Environment("TXLINK_UI");
    config.scriptFromStdin = config.scriptPath.empty();
    if (const std::string drives = Environment("TXLINK_DRIVES"); !drives.empty()) config.drives = drives;
    config.faults = Environment("TXLINK_FAULTS");
    config.transcriptPath = Environment("TXLINK_TRANSCRIPT");
    config.echo = true;
    return HostSession::Run(config, CommandLine(argc, argv));
}
