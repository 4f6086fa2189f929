// In-process control of the host world, for tests (and for AfxWinMain, which fills a
// HostConfig from TXLINK_UI, TXLINK_DRIVES, TXLINK_FAULTS and TXLINK_TRANSCRIPT).
//
//     HostConfig config;
//     config.script = "text 1014 4\nclick 1005\n";   // the UI script, UTF-8
//     config.drives = "C:=/tmp/t/c;D:=/tmp/t/d,cdrom";
//     HostSession::Start(config);                     // WorldError for a bad drive table
//     ... dialogs, files, message boxes of the code under test ...
//     HostSession::Stop();
//     HostSession::TranscriptLines();                 // the JSON lines, UTF-8
//
// Or the whole program as AfxWinMain runs it, with the application object that exists:
//     int status = HostSession::Run(config, "123,32769,5,");
//
// One session at a time; Start ends one still running. The transcript lines stay readable
// until the next Start.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct HostConfig {
    std::string script;                 // the UI script (UTF-8)
    std::string scriptPath;             // or the host path of a script file (WorldError if unreadable)
    bool scriptFromStdin = false;       // read the script from standard input instead
    std::optional<std::string> drives;  // as TXLINK_DRIVES; nullopt: the default table
    std::string faults;                 // as TXLINK_FAULTS
    std::string transcriptPath;         // host path of a transcript file; empty: none
    bool echo = false;                  // echo every event to stderr
    bool echoOnTerminal = false;        // stderr is a terminal: progress captions update one line
    std::string modulePath;             // host path of the program file; empty: this process's
    std::string currentDirectory;       // Windows path; empty: the process's working folder
};

namespace HostSession {

void Start(const HostConfig& config);
void Stop();
// Start, InitInstance and ExitInstance of the application object, the `exit` event, Stop.
// Answers ExitInstance's code, or 3 (with one line on stderr) when the host world could not
// go on (WorldError) or the run ended with an exception.
int Run(const HostConfig& config, const std::string& commandLine);

const std::vector<std::string>& TranscriptLines();
int WaitCursorDepth();
std::uint64_t BytesWritten();

}  // namespace HostSession
