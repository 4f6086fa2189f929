// The Windows services the program uses, one function per system call, with Win32's names
// and meanings. Paths are Windows paths in CP932 (drive letters, \\server\share, backslashes).
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

namespace platform {

// Module, directories.
std::string GetModuleFileName();  // the program file's full path
std::string GetCurrentDirectory();  // empty when it cannot be read
BOOL SetCurrentDirectory(const std::string& path);
std::string GetTempPath();  // ends in a backslash

// Initialisation files: section and key compare case-insensitively, the value is trimmed of
// blanks; defaultValue when the file, section or key is absent (an empty value is not absent).
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName);

// Drives and paths.
UINT GetDriveType(const std::string& rootPath);  // "C:\", "\\server\share\"
BOOL CanReadWrite(const std::string& path);  // _access(path, 6) == 0
DWORD GetFileAttributes(const std::string& path);  // INVALID_FILE_ATTRIBUTES when missing
BOOL CreateDirectory(const std::string& path);  // one level; the parent must exist
BOOL RemoveDirectory(const std::string& path);  // an empty folder
BOOL DeleteFile(const std::string& path);
// Replaces target by replacement in one step (MoveFileEx with MOVEFILE_REPLACE_EXISTING):
// afterwards target holds either its old or its new content, never a mixture.
BOOL ReplaceFile(const std::string& replacement, const std::string& target);

// The code of the last failed call of a file, folder or replacement (ERROR_SHARING_VIOLATION,
// ERROR_FILE_EXISTS, ...), as Win32's GetLastError. Each such failure is also written to the
// transcript with its call, path, code and the code's text.
DWORD GetLastError();

// Process.
DWORD GetCurrentProcessId();
void Sleep(DWORD milliseconds);
// Milliseconds since an arbitrary start, never going back; on Windows it moves in steps of the
// system tick (10-16 ms).
std::uint64_t GetTickCount64();

// Text: CP932 classification, and LCMapStringA's full-width mapping (LCMAP_FULLWIDTH only) as
// Windows does it under a Japanese system, from the program's own table whatever the system.
// Answers the number of bytes written to dest, or 0 when dest is too small.
bool IsDBCSLeadByte(unsigned char byte);
int LCMapString(DWORD flags, const char* src, int srcLength, char* dest, int destSize);

// Message boxes; owner nullptr for none. Answers IDOK, IDYES or IDNO.
int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);
// Modifier state while a key message is handled: the high bit set when the key is down.
short GetKeyState(int virtualKey);

// Looks at the calling thread's message queue (PeekMessage). With PM_NOREMOVE it takes
// nothing, and the system still sees a program that answers while it works without a loop.
BOOL PeekMessage(MSG* msg, HWND hWnd, UINT filterMin, UINT filterMax, UINT removeMsg);

// The message loop of a modal dialog: the next message of the thread's queue (PM_REMOVE takes
// it), a wait for one, the dialog manager's keys (Tab, Enter, Esc...), and the window
// procedure of any other message (after translating its keys into characters).
void WaitMessage();
BOOL IsDialogMessage(HWND dialog, MSG* msg);
void DispatchMessage(const MSG* msg);

// A window that exists (the calling program's window is taken to exist where no real windows are).
BOOL IsWindow(HWND hWnd);

// Another program's window (the calling program).
BOOL EnableWindow(HWND hWnd, BOOL enable);
BOOL SetForegroundWindow(HWND hWnd);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
