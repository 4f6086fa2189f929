// The owner of a system dialog (a message box, the save-file dialog): the window the program
// names when it is a real one. Such a dialog enables its owner again when it ends; a disabled
// owner (the calling program's window, disabled for the whole run) is disabled again at once.
#pragma once

#include "platform/WinTypes.h"

class SystemDialogOwner {
public:
    explicit SystemDialogOwner(HWND named)
        : owner_(named && ::IsWindow(named) ? named : nullptr), wasDisabled_(owner_ && !::IsWindowEnabled(owner_)) {}
    ~SystemDialogOwner() {
        if (wasDisabled_ && ::IsWindowEnabled(owner_)) ::EnableWindow(owner_, FALSE);
    }
    SystemDialogOwner(const SystemDialogOwner&) = delete;
    SystemDialogOwner& operator=(const SystemDialogOwner&) = delete;

    HWND Window() const { return owner_; }

private:
    HWND owner_;
    bool wasDisabled_;
};
