// What each backend does for the framework's windows. Internal to the platform layer.
#pragma once

#include "platform/CDialog.h"

// Makes the dialog's window from its resource, owned by owner (or none), and runs its
// initialisation through InitDialogFromSystem before answering. A modal dialog's window shows
// when its initialisation is over (unless it ended there); a modeless one when its resource
// says WS_VISIBLE. FALSE
// when the window cannot be made or its initialisation destroyed it.
BOOL CreateDialogWindow(CDialog& dialog, HWND owner);
// Hides the window without telling the observer (a modeless dialog's end).
void HideDialogWindow(CDialog& dialog);
// The window goes without OnDestroy: the object that would handle it is being destroyed.
void ForgetDialogWindow(CDialog& dialog);

// A wrapper for another program's window, as long as the process lives.
CWnd* ForeignWindow(HWND hwnd);
