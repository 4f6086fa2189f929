// The state of the win32 backend for one run: the UI script (when there is one), the
// transcript, the faults, the wrappers of the program's windows and the modal dialogs that
// run. Internal to the backend.
#pragma once

#include "platform/CDialog.h"
#include "platform/script/Faults.h"
#include "platform/script/TextCodec.h"
#include "platform/script/Transcript.h"
#include "platform/script/UiScript.h"

#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct FocusReport {
    int dialog;
    int control;
    bool selectAll;
    bool operator==(const FocusReport&) const = default;
};

// What the program waits for while a system dialog of its own is up: the CBT hook answers it
// from the script.
enum class Awaiting { Nothing, MessageBox, SaveDialog };

struct Win32World {
    bool scripted = false;  // TXLINK_UI: the script acts, nobody else
    UiScript script;
    Transcript transcript;
    Faults faults;
    std::uint64_t bytesWritten = 0;
    int waitCursor = 0;
    HCURSOR cursorBeforeWait = nullptr;

    std::map<HWND, CDialog*> dialogs;                  // the program's dialog windows
    std::set<HWND> modeless;                           // those made by Create
    std::map<HWND, CWnd*> controls;                    // the program's control wrappers
    std::map<HWND, std::unique_ptr<CWnd>> temporary;   // GetDlgItem's wrappers of the rest
    std::vector<HWND> modal;                           // running modal dialogs, innermost last
    const CDialog* startingModal = nullptr;            // DoModal's dialog until WM_INITDIALOG
    std::set<HWND> ended;                              // modal dialogs whose end was written
    std::map<HWND, std::optional<int>> initializing;   // dialogs in OnInitDialog -> an EndDialog's result
    std::map<HWND, HWND> toolTips;                     // dialog -> its tool-tip window
    std::multimap<HWND, HBITMAP> pictures;             // dialog -> the bitmaps its pictures show

    Awaiting awaiting = Awaiting::Nothing;
    UINT awaitingType = 0;            // the message box's MB_ flags
    std::string awaitingText;         // the message box's text, for messages
    DWORD awaitingFileFlags = 0;      // the save-file dialog's OFN_ options
    std::vector<std::string> refusedAnswers;  // scripted paths refused while it is up
    bool answerCancel = false;
    HWND systemDialog = nullptr;      // the message box or save-file dialog up now
    bool stepping = false;            // a script step is being performed
    std::set<HWND> closedAtScriptEnd;
    bool releaseModifiers = false;    // a scripted key held modifiers in the keyboard state
    std::optional<FocusReport> reportedFocus;
    std::exception_ptr failure;       // thrown where Windows called us; rethrown in our frames

    // A failed system call: a failure event with GetLastError's code (code, when given, is set
    // first: an injected fault) and its text; the code stays GetLastError's. Answers FALSE.
    BOOL Failed(const char* call, const std::string& path, DWORD code = ERROR_SUCCESS);

    CDialog* DialogObject(HWND hwnd) const;
    // The program's dialog that holds a control (or is the window itself).
    HWND DialogOf(HWND hwnd) const;
    int DialogId(HWND dialog) const;
    // The controls the program addresses (not IDC_STATIC), as the windows hold them.
    std::vector<ControlState> States(HWND dialog) const;
    // One focus event when the focus or the whole selection moved since the last one.
    void ReportFocus();
    // An exception where Windows called the backend: kept, every modal dialog ended, the
    // system dialog closed; the frames of the program see it again through Rethrow.
    void Fail(std::exception_ptr error);
    void Rethrow();
};

Win32World& World();

// GetLastError's text for a code (CP932, one line or more).
std::string ErrorText(DWORD error);
// "CreateFileA: error 2: ..." for the last failed call, on one line of UTF-8, for stderr.
std::string DescribeLastError(const char* call);

// A resource's control by id, nullptr when the dialog has none.
const ControlResource* FindControl(const DialogResource& resource, int id);

// The script's side of the backend (ScriptDriver.cpp): a timer that takes the next line
// whenever the innermost modal dialog is idle, and a CBT hook that answers message boxes and
// the save-file dialog.
void StartScript();
void StopScript();
// A path that a file dialog with these OFN_ options refuses and stays open for.
bool RefusedByOptions(const std::string& path, DWORD flags);
// The key filter of the program's modal dialogs, for keys of a person and of the script.
void InstallKeyFilter();
// The dialog's pictures drawn into bitmaps of their size (Win32Picture.cpp): when it starts and
// again at another DPI; freed when it goes.
void ShowPictures(HWND dialog, const DialogResource& resource);
void ForgetPictures(HWND dialog);
