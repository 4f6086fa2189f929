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

    std::optional<WindowsPath> Resolve(const std::string& windowsPath) const;
    std::optional<std::string> HostPath(const std::string& windowsPath) const;
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

