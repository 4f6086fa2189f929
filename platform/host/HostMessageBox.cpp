// Message boxes: answered by the script's next `answer` line; an OK-only box is acknowledged
// without one, a question needs one.
#include "platform/SystemServices.h"
#include "platform/WorldError.h"
#include "platform/host/HostWorld.h"

namespace {

int AnswerId(const std::string& answer) {
    if (answer == "yes") return IDYES;
    if (answer == "no") return IDNO;
    if (answer == "cancel") return IDCANCEL;
    return IDOK;
}

}  // namespace

namespace platform {

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    HostWorld& world = World();
    std::optional<int> ownerId;
    if (owner) {
        const HostDialog* dialog = world.windows.DialogOf(owner);
        ownerId = dialog ? dialog->Id() : 0;
    }
    const bool question = (type & MB_TYPEMASK) == MB_YESNO;
    const std::string buttons = question ? "yes/no" : "ok";
    world.ReportFocus();
    WaitingFor waiting("message box [" + OneLine(caption) + "] " + OneLine(text) + "\ntype: " +
                       (question ? "answer yes | answer no" : "answer ok"));

    int answer = IDOK;
    const ScriptAction* next = world.script.Peek();
    if (next && next->kind == ScriptAction::Kind::Answer) {
        answer = AnswerId(next->answer);
        const bool fits = question ? (answer == IDYES || answer == IDNO) : answer == IDOK;
        if (!fits) ScriptError(*next, "the message box offers " + buttons + ": " + OneLine(text));
        world.script.Take();
    } else if (question && next) {
        ScriptError(*next, "a question waits for an answer line: " + OneLine(text));
    } else if (question) {
        throw WorldError("the UI script ended while a question waits for an answer: " + OneLine(text));
    }
    world.transcript.MessageBox(ownerId, caption, text, type, answer);
    return answer;
}

}  // namespace platform
