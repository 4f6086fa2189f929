// The automation of a test build: the transcript of every event a person or the calling
// program would see, the UI script that acts on the windows, and the injected faults. It is
// the framework's observer and fills its service seams while it exists.
#pragma once

#include "platform/FrameworkObserver.h"
#include "platform/ServiceSeams.h"
#include "platform/script/Faults.h"
#include "platform/script/ScriptDriver.h"
#include "platform/script/Transcript.h"
#include "platform/script/UiScript.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct AutomationConfig {
    std::string transcriptPath;     // host path; empty: the transcript is kept in memory only
    bool echo = false;              // every event also on stderr
    bool echoOnTerminal = false;    // stderr is a terminal: a window's captions update one line
};

class Automation final : public FrameworkObserver, public ServiceSeams {
public:
    // Opens the transcript and installs itself as the framework's observer and seams; the
    // keyboard holds the modifiers of the script's keys. Without a script a person acts.
    Automation(const AutomationConfig& config, ScriptKeyboard& keyboard);
    ~Automation() override;
    Automation(const Automation&) = delete;
    Automation& operator=(const Automation&) = delete;

    // As TXLINK_FAULTS; WorldError when malformed (the transcript is open by then).
    void InjectFaults(std::string_view text) { faults_ = Faults::Parse(text); }
    void SetScript(UiScript script);

    Transcript& transcript() { return transcript_; }
    ScriptDriver* driver() { return driver_ ? &*driver_ : nullptr; }
    UiScript* script() { return script_ ? &*script_ : nullptr; }
    std::uint64_t BytesWritten() const { return bytesWritten_; }
    // The end of the run: a warning for script lines never used, the `exit` event.
    void Finish(int status);
    // One focus event when the focus or the whole selection moved since the last one.
    void ReportFocus();

    void DialogOpened(CDialog& dialog) override;
    void DialogEnded(CDialog& dialog, int result) override;
    void DialogShown(CDialog& dialog, bool shown) override;
    void DialogDestroyed(CDialog& dialog) override;
    void CaptionSet(CDialog& dialog, const std::string& text) override;
    void ToolTipAdded(CDialog& dialog, int control, const std::string& text) override;
    void MessageBoxShowing(const MessageBoxRequest& box) override;
    void MessageBoxAnswered(const MessageBoxRequest& box, int answer) override;
    void FileDialogShowing() override;
    void FileDialogEnded(const SaveDialogEvent& event) override;
    void ForeignWindowCalled(const char* action, HWND window) override;
    void ForeignWindowPosted(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void CallFailed(const char* call, const std::string& path, DWORD code, const std::string& reason) override;
    bool ModalIdle(CDialog& dialog) override;

    bool RefusesFolder(std::string_view name) override { return faults_.RefusesFolder(name); }
    bool RefusesFile(std::string_view name) override { return faults_.RefusesFile(name); }
    bool RefusesReplace(std::string_view name) override { return faults_.RefusesReplace(name); }
    bool HoldsBusy(std::string_view name, bool replacement) override { return faults_.HoldsBusy(name, replacement); }
    bool LosesCurrentDirectory() override { return faults_.cwdFail; }
    bool RefusesWrite(std::uint64_t count) override;
    void Wrote(std::uint64_t count) override { bytesWritten_ += count; }

private:
    struct FocusReport {
        int dialog;
        int control;
        bool selectAll;
        bool operator==(const FocusReport&) const = default;
    };

    Transcript transcript_;
    Faults faults_;
    std::optional<UiScript> script_;
    ScriptKeyboard& keyboard_;
    std::optional<ScriptDriver> driver_;
    std::uint64_t bytesWritten_ = 0;
    std::optional<FocusReport> reportedFocus_;
};

// The automation installed now, nullptr when there is none.
Automation* TheAutomation();
