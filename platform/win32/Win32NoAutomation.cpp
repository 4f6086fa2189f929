// A release build has no automation: nobody but a person acts on the windows, and the
// automation's variables are not read.
#include "platform/win32/Win32World.h"

void StartAutomation() {}

void FinishAutomation(int) {}

void AwaitMessageBox(UINT, const std::string&) {}

void AwaitFileDialog(const std::string&, DWORD, const std::string&) {}

std::vector<std::string> SystemDialogEnded() { return {}; }
