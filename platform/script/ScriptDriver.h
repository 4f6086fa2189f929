// The UI script acting on the program's windows, the same for every backend. A modal dialog's
// loop hands it the dialog whenever its queue is empty: a text goes into an edit as a person
// types it, a click and a key are posted as a person's would be, so that they take the same
// path through the loop. Message boxes and save-file dialogs take their answers from it.
#pragma once

#include "platform/WinTypes.h"
#include "platform/script/UiScript.h"

#include <cstdint>

#include <optional>
#include <string>

class CDialog;

// What the driver needs of a backend beyond the framework's own calls.
class ScriptKeyboard {
public:
    virtual ~ScriptKeyboard() = default;
    // Holds the modifiers down in the state GetKeyState reads, until Release.
    virtual void Hold(bool shift, bool ctrl, bool alt) = 0;
    virtual void Release() = 0;
};

class ScriptDriver {
public:
    ScriptDriver(UiScript& script, ScriptKeyboard& keyboard) : script_(script), keyboard_(keyboard) {}

    // One line for the dialog that waits. At the end of the script the dialog is closed as by
    // its close box; one that stays open after that is a script error.
    void Step(CDialog& dialog);
    // The dialog has ended: a key's modifiers are let go, its close box may be used again.
    void DialogEnded(const CDialog& dialog);

    // The answer to a message box (IDOK, IDYES, IDNO): an OK-only box is acknowledged without a
    // line when the next line is not `answer`; a question needs one.
    int AnswerMessageBox(UINT type, const std::string& text);
    // The answer a box has for a run that cannot go on: No for a question, else OK.
    static int EndingAnswer(UINT type);
    // The next line for a save-file dialog: `save PATH` or `save-cancel`.
    ScriptAction TakeSaveLine(const std::string& title);

    // Counts each line taken (a backend that watches for a stalled run reads it).
    std::uint64_t LinesTaken() const { return linesTaken_; }

private:
    std::optional<ScriptAction> Take();
    void Perform(CDialog& dialog, const ScriptAction& action);

    UiScript& script_;
    ScriptKeyboard& keyboard_;
    const CDialog* closing_ = nullptr;  // closed at the script's end, not ended yet
    bool holding_ = false;
    std::uint64_t linesTaken_ = 0;
};
