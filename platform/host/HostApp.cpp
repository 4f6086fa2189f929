// The application object and the process entry of the host backend.
#include "platform/CWinApp.h"
#include "platform/host/DriveTable.h"
#include "platform/host/HostSession.h"
#include "platform/host/HostWorld.h"
#include "platform/ApplicationRun.h"
#include "platform/TextCodec.h"

#include <unistd.h>

#include <iostream>

namespace {

// The whole command line as Windows would hold it: the program name, quoted when it holds a
// blank, then the arguments joined with single spaces as they are (a parameter passed as one
// argument keeps its runs of blanks and its quotes). A terminal's UTF-8 becomes the program's
// CP932, a character CP932 lacks '?' (bytes that are not UTF-8 stay as they are).
std::string WindowsCommandLine(int argc, char** argv) {
    const std::string program = argc > 0 ? argv[0] : "";
    std::string line = program.find_first_of(" \t") == std::string::npos ? program : "\"" + program + "\"";
    for (int i = 1; i < argc; ++i) line.append(" ").append(argv[i]);
    return TextCodec::ToCp932Replacing(line).value_or(line);
}

// A person who has not set TXLINK_DRIVES learns where the files written to C: go.
void TellDefaultDriveC() {
    if (const std::optional<std::string> driveC = DriveTable::DefaultDriveC())
        std::cerr << "txlink: TXLINK_DRIVES is not set: drive C: is " << *driveC << "\n";
    else
        std::cerr << "txlink: TXLINK_DRIVES is not set and HOME is no absolute path: there is no drive C:\n";
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
    else TellDefaultDriveC();
    config.faults = Environment("TXLINK_FAULTS");
    config.transcriptPath = Environment("TXLINK_TRANSCRIPT");
    config.echo = true;
    config.echoOnTerminal = ::isatty(STDERR_FILENO) == 1;
    return HostSession::Run(config, CommandLineTail(WindowsCommandLine(argc, argv)));
}
