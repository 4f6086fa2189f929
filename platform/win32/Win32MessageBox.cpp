// Message boxes: MessageBoxW with the texts converted, owned by the window the program names
// when it is a real one.
#include "platform/FrameworkObserver.h"
#include "platform/SystemServices.h"
#include "platform/win32/SystemDialogOwner.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32World.h"

namespace platform {

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    const MessageBoxRequest box{owner, text, caption, type};
    Observer().MessageBoxShowing(box);
    AwaitMessageBox(type, text);
    int answer = 0;
    {
        const SystemDialogOwner realOwner(owner);
        answer = ::MessageBoxW(realOwner.Window(), Wide(text).c_str(), Wide(caption).c_str(), type);
    }
    SystemDialogEnded();
    World().Rethrow();
    Observer().MessageBoxAnswered(box, answer);
    return answer;
}

}  // namespace platform
