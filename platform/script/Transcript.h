// The transcript: one JSON object a line (UTF-8) for every event a person would see or the
// calling program would receive, each also echoed to stderr in a short readable form. Texts
// come in as the program's CP932 and are written as UTF-8.
#pragma once

#include "platform/CFileDialog.h"
#include "platform/WinTypes.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

struct ControlState {
    int id;
    std::string text;
    bool enabled;
    std::optional<bool> checked;  // buttons only
};

class Transcript {
public:
    Transcript() = default;
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;
    ~Transcript();

    // Starts a new transcript, also written to the file at hostPath when it is not empty. On a
    // terminal (echoOnTerminal), a run of captions of one window updates one line in place, so
    // that a progress window's percentages do not flood it.
    void Open(const std::string& hostPath, bool echo, bool echoOnTerminal = false);
    void Close();
    // The lines written since Open (they stay readable after Close).
    const std::vector<std::string>& Lines() const { return lines_; }

    void DialogOpened(int id, const std::vector<ControlState>& controls);
    void DialogEnded(int id, int code, const std::vector<ControlState>& controls);
    void DialogShown(int id, bool shown);
    void DialogDestroyed(int id);
    // owner: the owning dialog's resource id, 0 for another program's window, nullopt for none.
    void MessageBox(std::optional<int> owner, const std::string& caption, const std::string& text, UINT type,
                    int answer);
    void Focus(int id, int control, bool selectAll);
    void Caption(int id, const std::string& text);
    void ToolTip(int id, int control, const std::string& text);
    void SaveDialog(const SaveDialogEvent& event);
    void Parent(const char* action, std::uintptr_t window);
    void ParentPost(std::uintptr_t window, UINT message, WPARAM wParam, LPARAM lParam);
    // A system call of the backend failed: its name, the path it was given, the error code
    // (GetLastError's, or the one the host simulates) and that code's text (CP932).
    void Failure(const std::string& call, const std::string& path, DWORD code, const std::string& text);
    void Exit(int code);
    // Something else was written to stderr: the next caption starts a line of its own.
    void EchoInterrupted() { inPlaceCaptionOf_.reset(); }

private:
    template <class Json>
    void Write(const Json& event, const std::string& echo, std::optional<int> captionOf = std::nullopt);
    void Echo(const std::string& text, std::optional<int> captionOf);

    std::FILE* file_ = nullptr;
    bool echo_ = false;
    bool echoOnTerminal_ = false;
    std::optional<int> inPlaceCaptionOf_;  // the window whose caption the last echo line shows
    std::vector<std::string> lines_;
};

// Option names of a save-file dialog's flags ("OFN_HIDEREADONLY"), unknown bits in hex.
std::vector<std::string> SaveDialogFlagNames(DWORD flags);
