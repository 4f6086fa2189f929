// One run of the application object, the same in every backend and build.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Sets up the backend's world (it may throw WorldError), then runs InitInstance and
// ExitInstance with the command line; answers ExitInstance's exit code. An exception that
// leaves the run ends it with status 3 and one line on stderr. finish runs in every case, with
// the status, before it is answered.
int RunApplication(const std::string& commandLine, const std::function<void()>& setUp,
                   const std::function<void(int status)>& finish = {});

// An environment variable's value, empty when it is not set.
std::string Environment(const char* name);
// The command line after the program name (CWinApp::m_lpCmdLine), taken from the whole command
// line as Windows' start-up code takes it: the program name ends at the first blank or control
// character outside double quotes, then blanks and control characters are skipped. The rest is
// given as it stands, runs of blanks and quotes included.
std::string CommandLineTail(std::string_view commandLine);
