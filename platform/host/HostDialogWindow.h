// Life of a simulated dialog window: creation from its resource with OnInitDialog, the end of
// the window with OnDestroy. Internal to the backend.
#pragma once

#include "platform/host/WindowRegistry.h"

// Removes the window and its controls, then calls OnDestroy (when the object still stands).
void DestroyDialogWindow(HostDialog& dialog, bool callOnDestroy = true);
