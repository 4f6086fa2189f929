// In-process sessions of the automation on the real windows, for the platform tests of the
// win32 build (only in a build with automation). As a program's automation does, a session
// answers the framework's dialogs, message boxes and the save-file dialog from the UI script;
// the script is given as text and the transcript is kept in memory.
//
//     Win32TestSession::Start("text 101 4\nkey F12\nanswer yes\n", "write-fail-after=5");
//     ... dialogs, files, message boxes of the code under test ...
//     Win32TestSession::Stop();
//     Win32TestSession::TranscriptLines();   // the JSON lines, UTF-8
//
// One session at a time; Start ends one still running. The transcript lines stay readable
// until the next Start.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Win32TestSession {

// WorldError for malformed faults.
void Start(const std::string& script, const std::string& faults = "");
void Stop();

const std::vector<std::string>& TranscriptLines();
std::uint64_t BytesWritten();

}  // namespace Win32TestSession
