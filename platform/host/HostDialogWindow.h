// Life of a simulated dialog window: creation from its resource with OnInitDialog, the modal
// loop that takes script lines, destruction with OnDestroy.
#pragma once

#include "platform/host/WindowRegistry.h"
#include "platform/script/ScriptAction.h"

// Creates the window, runs OnInitDialog (focus to the first tab stop when it answers TRUE)
// and writes the `open` event; nullptr when OnInitDialog destroyed the window.
HostDialog* CreateDialogWindow(CDialog& object, bool modal);
// Removes the window and its controls, then calls OnDestroy; a modeless window writes `destroy`.
void DestroyDialogWindow(HostDialog& dialog);
// Takes script lines and acts on the dialog until it ends; the end of the script closes it as
// its close box would.
void RunModalLoop(HWND hwnd);
// One text, click or key line on the dialog.
void PerformAction(HostDialog& dialog, const ScriptAction& action);
