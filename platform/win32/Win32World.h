// What the win32 backend keeps that Windows cannot hold for it: the wait cursor's count and an
// exception thrown where Windows called the program, until a frame of the program's own can
// throw it again. Internal to the backend.
#pragma once

#include "platform/DialogResource.h"

#include <exception>
#include <string>
#include <vector>

struct Win32World {
    int waitCursor = 0;
    HCURSOR cursorBeforeWait = nullptr;
    std::exception_ptr failure;

    // A failed system call: a failure for the observer with GetLastError's code (code, when
    // given, is set first: an injected fault) and its text; the code stays GetLastError's.
    // Answers FALSE.
    BOOL Failed(const char* call, const std::string& path, DWORD code = ERROR_SUCCESS);
    // An exception in a window procedure or hook: kept (the first one) for Rethrow.
    void Fail(std::exception_ptr error);
    // After every call into the system that may call the program back.
    void Rethrow();
};

Win32World& World();

// GetLastError's text for a code (CP932, one line or more).
std::string ErrorText(DWORD error);
// "CreateFileA: error 2: ..." for the last failed call, on one line of UTF-8, for stderr.
std::string DescribeLastError(const char* call);

// The dialog's pictures drawn into bitmaps of their size (Win32Picture.cpp): when it starts and
// again at another DPI; freed when it goes.
void ShowPictures(HWND dialog, const DialogResource& resource);
void ForgetPictures(HWND dialog, const DialogResource& resource);

// The automation's side of the backend (Win32Automation.cpp in a build with automation, else
// Win32NoAutomation.cpp). A system dialog of the program is about to show, modally; the
// automation answers it from the UI script as it activates.
void StartAutomation();
void FinishAutomation(int status);
void AwaitMessageBox(UINT type, const std::string& text);
void AwaitFileDialog(const std::string& title, DWORD flags, const std::string& defExt);
// The system dialog has ended: the paths the script gave that the dialog's options refused.
std::vector<std::string> SystemDialogEnded();
// A path that a file dialog with these OFN_ options refuses and stays open for.
bool RefusedByOptions(const std::string& path, DWORD flags);
