// The modal loop of a simulated dialog and the script lines that act on it.
#include "platform/MbcsText.h"
#include "platform/WorldError.h"
#include "platform/host/HostDialogWindow.h"
#include "platform/host/HostWorld.h"

namespace {

HostControl& Target(const HostDialog& dialog, const ScriptAction& action) {
    HostControl* control = dialog.FindControl(action.control);
    const std::string name = "control " + std::to_string(action.control) + " of dialog " + std::to_string(dialog.Id());
    if (!control) ScriptError(action, "dialog " + std::to_string(dialog.Id()) + " has no control " +
                                          std::to_string(action.control));
    if (!control->visible) ScriptError(action, name + " is hidden");
    if (!control->enabled) ScriptError(action, name + " is disabled");
    return *control;
}

// As a person types into an edit: a digits-only edit drops every other character (Windows
// refuses each such keystroke), and what goes past the limit is cut, never half a character.
void Type(HostControl& edit, const std::string& typed) {
    std::string text;
    for (std::size_t at = 0; at < typed.size(); at += MbcsText::CharLength(typed, at)) {
        const std::size_t length = MbcsText::CharLength(typed, at);
        const bool digit = length == 1 && typed[at] >= '0' && typed[at] <= '9';
        if (digit || !(edit.style & ES_NUMBER)) text.append(typed, at, length);
    }
    edit.text = MbcsText::CutAt(text, edit.limit);
    edit.wholeSelected = false;
}

// BS_AUTORADIOBUTTON: the clicked button is checked, the rest of its group unchecked.
void CheckInGroup(HostDialog& dialog, const HostControl& clicked) {
    std::size_t start = 0;
    std::size_t index = 0;
    while (dialog.controls[index].get() != &clicked) {
        if (dialog.controls[index]->style & WS_GROUP) start = index;
        ++index;
    }
    if (clicked.style & WS_GROUP) start = index;
    for (std::size_t at = start; at < dialog.controls.size(); ++at) {
        HostControl& control = *dialog.controls[at];
        if (at > index && (control.style & WS_GROUP)) break;
        if (control.kind == ControlKind::RadioButton) control.checked = &control == &clicked;
    }
}

// The platform's own dialog keys, after PreTranslateMessage declined: Esc cancels; Enter
// clicks the focused push button or else a default push button; nothing else.
void DefaultKey(HostDialog& dialog, int virtualKey) {
    if (virtualKey == VK_ESCAPE) {
        dialog.object->OnCommand(IDCANCEL);
        return;
    }
    if (virtualKey != VK_RETURN) return;
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

void PressKey(HostDialog& dialog, const ScriptAction& action) {
    HostWorld& world = World();
    if (action.control) world.windows.focus = Target(dialog, action).hwnd;
    struct Modifiers {  // held for this key only, also when the handler throws
        explicit Modifiers(const ScriptAction& a) { World().keys = {a.shift, a.ctrl, a.alt}; }
        ~Modifiers() { World().keys = {}; }
    } held(action);
    MSG message;
    message.hwnd = world.windows.IsOurs(world.windows.focus) ? world.windows.focus : dialog.hwnd;
    message.message = WM_KEYDOWN;
    message.wParam = static_cast<WPARAM>(action.virtualKey);
    message.lParam = 1;  // repeat count
    const HWND hwnd = dialog.hwnd;
    if (dialog.object->PreTranslateMessage(&message)) return;
    if (HostDialog* still = world.windows.Dialog(hwnd); still && !still->ended) DefaultKey(*still, action.virtualKey);
}

}  // namespace

void PerformAction(HostDialog& dialog, const ScriptAction& action) {
    HostWorld& world = World();
    switch (action.kind) {
        case ScriptAction::Kind::Text: {
            HostControl& edit = Target(dialog, action);
            if (edit.kind != ControlKind::Edit) ScriptError(action, "control " + std::to_string(edit.id) + " is no edit");
            world.windows.focus = edit.hwnd;
            Type(edit, action.text);
            return;
        }
        case ScriptAction::Kind::Click: {
            HostControl& button = Target(dialog, action);
            if (!button.IsButton()) ScriptError(action, "control " + std::to_string(button.id) + " is no button");
            world.windows.focus = button.hwnd;
            if (button.kind == ControlKind::RadioButton) CheckInGroup(dialog, button);
            dialog.object->OnCommand(static_cast<UINT>(button.id));
            return;
        }
        case ScriptAction::Kind::Key: PressKey(dialog, action); return;
        case ScriptAction::Kind::Answer: ScriptError(action, "no message box is open");
        case ScriptAction::Kind::Save:
        case ScriptAction::Kind::SaveCancel: ScriptError(action, "no save-file dialog is open");
    }
}

void RunModalLoop(HWND hwnd) {
    HostWorld& world = World();
    bool closedAtScriptEnd = false;
    for (;;) {
        HostDialog* dialog = world.windows.Dialog(hwnd);
        if (!dialog || dialog->ended) return;
        if (!dialog->postedCommands.empty()) {
            const UINT command = dialog->postedCommands.front();
            dialog->postedCommands.erase(dialog->postedCommands.begin());
            dialog->object->OnCommand(command);
            continue;
        }
        world.ReportFocus();
        std::optional<ScriptAction> action = world.script.Take();
        if (action) {
            PerformAction(*dialog, *action);
        } else if (!closedAtScriptEnd) {
            closedAtScriptEnd = true;  // as by the close box: WM_CLOSE becomes IDCANCEL
            dialog->object->OnCommand(IDCANCEL);
        } else {
            throw WorldError("the UI script ended and dialog " + std::to_string(dialog->Id()) +
                             " stays open after its close box");
        }
    }
}
