// The application object and the process entry of the host backend.
#include "platform/CWinApp.h"
#include "platform/host/HostSession.h"
#include "platform/host/HostWorld.h"
#include "platform/script/TextCodec.h"

#include <cstdlib>

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The arguments joined with single spaces, as the command line after the program name; a
// terminal's UTF-8 becomes the program's CP932 (bytes that are not UTF-8 stay as they are).
std::string CommandLine(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) line += (i > 1 ? " " : "") + std::string(argv[i]);
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
