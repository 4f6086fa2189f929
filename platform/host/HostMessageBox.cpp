// Message boxes: answered by the script, as its driver says.
#include "platform/FrameworkObserver.h"
#include "platform/SystemServices.h"
#include "platform/host/HostWorld.h"

namespace platform {

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    HostWorld& world = World();
    const MessageBoxRequest box{owner, text, caption, type};
    Observer().MessageBoxShowing(box);
    const bool question = (type & MB_TYPEMASK) == MB_YESNO;
    WaitingFor waiting("message box [" + OneLine(caption) + "] " + OneLine(text) + "\ntype: " +
                       (question ? "answer yes | answer no" : "answer ok"));
    const int answer = world.Driver().AnswerMessageBox(type, text);
    Observer().MessageBoxAnswered(box, answer);
    return answer;
}

}  // namespace platform
