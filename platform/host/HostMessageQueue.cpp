// The thread's message queue over the simulated windows: what is posted to the program's
// windows waits here for the modal loop, which hands keys to the dialog manager's rules and the
// rest to the dialog.
#include "platform/SystemServices.h"
#include "platform/WorldError.h"
#include "platform/host/HostWorld.h"

namespace {

// Enter clicks the focused push button of the dialog, or else its default push button.
void PressEnter(HostDialog& dialog) {
    const HostControl* focused = World().windows.Control(World().windows.focus);
    if (focused && World().windows.DialogOf(focused->hwnd) == &dialog && focused->kind == ControlKind::PushButton &&
        focused->enabled) {
        dialog.object->OnCommand(static_cast<UINT>(focused->id));
        return;
    }
    for (const auto& control : dialog.controls) {
        if (control->kind == ControlKind::PushButton && (control->style & 0xF) == BS_DEFPUSHBUTTON &&
            control->enabled && control->visible) {
            dialog.object->OnCommand(static_cast<UINT>(control->id));
            return;
        }
    }
}

}  // namespace

namespace platform {

BOOL PeekMessage(MSG* msg, HWND, UINT, UINT, UINT removeMsg) {
    std::deque<MSG>& queue = World().queue;
    if (queue.empty()) return FALSE;
    *msg = queue.front();
    if (removeMsg & PM_REMOVE) queue.pop_front();
    return TRUE;
}

// Nothing but the script acts on the simulated windows: a loop that waits is never woken.
void WaitMessage() { throw WorldError("a dialog waits and nothing acts on it"); }

// The dialog manager's own keys, after PreTranslateMessage declined: Esc cancels, Enter
// clicks as PressEnter says; nothing else.
BOOL IsDialogMessage(HWND hwnd, MSG* msg) {
    HostDialog* dialog = World().windows.Dialog(hwnd);
    if (!dialog || msg->message != WM_KEYDOWN || !World().windows.IsOurs(msg->hwnd)) return FALSE;
    if (msg->wParam == static_cast<WPARAM>(VK_ESCAPE)) dialog->object->OnCommand(IDCANCEL);
    if (msg->wParam == static_cast<WPARAM>(VK_RETURN)) PressEnter(*dialog);
    return TRUE;
}

// A command runs the dialog's handler; the close box cancels.
void DispatchMessage(const MSG* msg) {
    HostDialog* dialog = World().windows.DialogOf(msg->hwnd);
    if (!dialog) return;
    if (msg->message == WM_COMMAND) dialog->object->OnCommand(LOWORD(msg->wParam));
    if (msg->message == WM_CLOSE) dialog->object->OnCommand(IDCANCEL);
}

}  // namespace platform
