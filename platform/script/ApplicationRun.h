// One run of the application object, the same in every backend.
#pragma once

#include "platform/script/UiScript.h"

#include <functional>
#include <string>
#include <string_view>

// Prepares the backend's world for the run (it may throw WorldError) and answers the UI script
// that drives it, nullptr when a person does.
using WorldSetUp = std::function<UiScript*()>;

// Sets up the world, then runs InitInstance and ExitInstance with the command line; answers
// ExitInstance's exit code. An exception that leaves the run ends it with status 3 and one
// line on stderr; script lines that were never used are reported as a warning.
int RunApplication(const std::string& commandLine, const WorldSetUp& setUp);

// An environment variable's value, empty when it is not set.
std::string Environment(const char* name);
// The command line after the program name (CWinApp::m_lpCmdLine), taken from the whole command
// line as Windows' start-up code takes it: the program name ends at the first blank or control
// character outside double quotes, then blanks and control characters are skipped. The rest is
// given as it stands, runs of blanks and quotes included.
std::string CommandLineTail(std::string_view commandLine);
