// Message boxes: MessageBoxW with the texts converted; under a script the CBT hook answers it.
#include "platform/SystemServices.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32World.h"

namespace platform {

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    Win32World& world = World();
    std::optional<int> ownerId;
    if (owner) {
        const HWND dialog = world.DialogOf(owner);
        ownerId = dialog ? world.DialogId(dialog) : 0;
    }
    world.ReportFocus();
    world.awaiting = Awaiting::MessageBox;
    world.awaitingType = type;
    world.awaitingText = text;
    // The calling program's window is no owner: the box would enable it again when it closes.
    const HWND ownerWindow = world.DialogOf(owner) ? owner : nullptr;
    const int answer = ::MessageBoxW(ownerWindow, Wide(text).c_str(), Wide(caption).c_str(), type);
    world.awaiting = Awaiting::Nothing;
    world.systemDialog = nullptr;
    world.Rethrow();
    world.transcript.MessageBox(ownerId, caption, text, type, answer);
    return answer;
}

}  // namespace platform
