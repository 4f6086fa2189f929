// The state of the host world for one session: drive table, faults, UI script, transcript,
// simulated windows, current directory and the counters tests read. Internal to the backend.
#pragma once

#include "platform/host/DriveTable.h"
#include "platform/script/Faults.h"
#include "platform/host/WindowRegistry.h"
#include "platform/script/TextCodec.h"
#include "platform/script/Transcript.h"
#include "platform/script/UiScript.h"

#include <cstdint>
#include <optional>
#include <string>

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

struct FocusReport {
    int dialog;
    int control;
    bool selectAll;
    bool operator==(const FocusReport&) const = default;
};

struct HostWorld {
    bool started = false;
    DriveTable drives;
    Faults faults;
    UiScript script;
    Transcript transcript;
    WindowRegistry windows;
    std::string modulePath;        // Windows form
    std::string currentDirectory;  // Windows form, no final backslash but for a root
    std::uint64_t bytesWritten = 0;
    int waitCursor = 0;
    KeyModifiers keys;             // of the key line being handled
    std::optional<FocusReport> reportedFocus;
    std::string waiting;           // a message box or save dialog waiting for a line (prompt)
    DWORD lastError = 0;           // GetLastError: the code of the last failed call

    // nullopt also for a path past Windows' limit (MAX_PATH with its terminator), which no
    // call of the program's Windows reaches, whatever host folder it maps to.
    std::optional<WindowsPath> Resolve(const std::string& windowsPath) const;
    std::optional<std::string> HostPath(const std::string& windowsPath) const;
    // A failed call: its code for GetLastError, and (when reported) a failure event with the
    // host's reason (error, an errno value). Answers FALSE for the caller to return.
    BOOL Failed(const char* call, const std::string& path, DWORD code, int error, bool reported = true);
    // The same for the errno that the host call left.
    BOOL FailedWithErrno(const char* call, const std::string& path, bool reported = true);
    // The same for a path that Resolve or the drive table cannot take, with the code Windows
    // gives for it (a name it refuses, a path past its limit, a drive it lacks).
    BOOL FailedUnreachable(const char* call, const std::string& path, bool reported = true);
    // Before the script is consulted: one focus event when the focus or the whole selection
    // moved since the last one.
    void ReportFocus();
};

HostWorld& World();

// Notes for the prompt what waits for the next line (a message box, a save-file dialog) for as
// long as it waits, also when it ends with an exception.
class WaitingFor {
public:
    explicit WaitingFor(std::string what) { World().waiting = std::move(what); }
    ~WaitingFor() { World().waiting.clear(); }
    WaitingFor(const WaitingFor&) = delete;
    WaitingFor& operator=(const WaitingFor&) = delete;
};

