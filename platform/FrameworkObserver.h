// What the framework tells about the windows it shows and the calls it makes for the program.
// The default observer does nothing; a build with automation installs one that writes the
// transcript and lets the UI script act whenever a modal dialog waits.
#pragma once

#include "platform/WinTypes.h"

#include <optional>
#include <string>
#include <vector>

class CDialog;
struct SaveDialogEvent;

struct MessageBoxRequest {
    HWND owner = nullptr;  // as the program gave it
    std::string text;
    std::string caption;
    UINT type = MB_OK;
};

class FrameworkObserver {
public:
    virtual ~FrameworkObserver() = default;

    virtual void DialogOpened(CDialog&) {}
    virtual void DialogEnded(CDialog&, int /*result*/) {}
    virtual void DialogShown(CDialog&, bool /*shown*/) {}
    virtual void DialogDestroyed(CDialog&) {}
    virtual void CaptionSet(CDialog&, const std::string& /*text*/) {}
    virtual void ToolTipAdded(CDialog&, int /*control*/, const std::string& /*text*/) {}
    // Before the system shows a message box or a file dialog, and once it has ended.
    virtual void MessageBoxShowing(const MessageBoxRequest&) {}
    virtual void MessageBoxAnswered(const MessageBoxRequest&, int /*answer*/) {}
    virtual void FileDialogShowing() {}
    virtual void FileDialogEnded(const SaveDialogEvent&) {}
    // A call on a window that is not the program's own (the calling program's window).
    virtual void ForeignWindowCalled(const char* /*action: enable, disable, foreground*/, HWND) {}
    virtual void ForeignWindowPosted(HWND, UINT /*message*/, WPARAM, LPARAM) {}
    // A system call of a service failed: its name, the path it was given, the error code and
    // that code's text (CP932).
    virtual void CallFailed(const char* /*call*/, const std::string& /*path*/, DWORD /*code*/,
                            const std::string& /*reason*/) {}
    // The modal loop of the dialog found its queue empty. True when the observer gave it work
    // (posted a message); false lets the loop wait for the next message.
    virtual bool ModalIdle(CDialog&) { return false; }
};

FrameworkObserver& Observer();
// nullptr puts the default back.
void SetObserver(FrameworkObserver* observer);
