// The state of the host world for one session: drive table, the automation (transcript, UI
// script, faults), simulated windows with their message queue, current directory. Internal to
// the backend.
#pragma once

#include "platform/host/DriveTable.h"
#include "platform/host/WindowRegistry.h"
#include "platform/script/Automation.h"
#include "platform/TextCodec.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// The keys a scripted key line holds down while it is handled.
class HostKeyboard final : public ScriptKeyboard {
public:
    void Hold(bool shift, bool ctrl, bool alt) override { keys = {shift, ctrl, alt}; }
    void Release() override { keys = {}; }
    KeyModifiers keys;
};

struct HostWorld {
    bool started = false;
    DriveTable drives;
    HostKeyboard keyboard;
    std::unique_ptr<Automation> automation;
    WindowRegistry windows;
    std::deque<MSG> queue;         // messages posted to the program's windows
    std::string modulePath;        // Windows form
    std::string currentDirectory;  // Windows form, no final backslash but for a root
    int waitCursor = 0;
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
    // The script's driver (a host session always has one).
    ScriptDriver& Driver() const { return *automation->driver(); }
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

