#include "platform/script/ScriptDriver.h"

#include "platform/CControls.h"
#include "platform/CDialog.h"
#include "platform/MbcsText.h"
#include "platform/SystemServices.h"
#include "platform/WorldError.h"
#include "platform/TextCodec.h"

namespace {

std::string Name(const CDialog& dialog, int control) {
    return "control " + std::to_string(control) + " of dialog " + std::to_string(dialog.Resource().id);
}

// The control a line acts on, which a person could reach: present, visible and enabled.
CWnd& Target(CDialog& dialog, const ScriptAction& action, const ControlResource*& resource) {
    resource = FindControl(dialog.Resource(), action.control);
    CWnd* control = resource ? dialog.GetDlgItem(action.control) : nullptr;
    if (!control)
        ScriptError(action, "dialog " + std::to_string(dialog.Resource().id) + " has no control " +
                                std::to_string(action.control));
    if (!control->IsWindowVisible()) ScriptError(action, Name(dialog, action.control) + " is hidden");
    if (!control->IsWindowEnabled()) ScriptError(action, Name(dialog, action.control) + " is disabled");
    return *control;
}

// As a person types into an edit: a digits-only edit drops every other character (Windows
// refuses each such keystroke), and what goes past the limit is cut, never half a character.
void Type(CWnd& control, const ControlResource& resource, const std::string& typed) {
    std::string text;
    for (std::size_t at = 0; at < typed.size(); at += MbcsText::CharLength(typed, at)) {
        const std::size_t length = MbcsText::CharLength(typed, at);
        const bool digit = length == 1 && typed[at] >= '0' && typed[at] <= '9';
        if (digit || !(resource.style & ES_NUMBER)) text.append(typed, at, length);
    }
    CEdit edit;
    edit.m_hWnd = control.GetSafeHwnd();
    control.SetFocus();
    control.SetWindowText(MbcsText::CutAt(text, edit.GetLimitText()));
    edit.m_hWnd = nullptr;
}

// BS_AUTORADIOBUTTON: the clicked button is checked, the rest of its group unchecked.
void CheckInGroup(CDialog& dialog, const ControlResource& clicked) {
    const auto controls = dialog.Resource().controls;
    std::size_t start = 0;
    std::size_t index = 0;
    while (&controls[index] != &clicked) {
        if (controls[index].style & WS_GROUP) start = index;
        ++index;
    }
    if (clicked.style & WS_GROUP) start = index;
    for (std::size_t at = start; at < controls.size(); ++at) {
        if (at > index && (controls[at].style & WS_GROUP)) break;
        if (controls[at].kind != ControlKind::RadioButton) continue;
        CButton button;
        button.m_hWnd = dialog.GetDlgItem(controls[at].id)->GetSafeHwnd();
        button.SetCheck(at == index ? BST_CHECKED : BST_UNCHECKED);
        button.m_hWnd = nullptr;
    }
}

// A click: the focus to the button, an automatic radio button checked in its group, and the
// notification the button sends, posted into the loop.
void Click(CDialog& dialog, CWnd& button, const ControlResource& clicked) {
    button.SetFocus();
    if (clicked.kind == ControlKind::RadioButton) CheckInGroup(dialog, clicked);
    platform::PostMessage(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(clicked.id, BN_CLICKED),
                          reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
}

int AnswerId(const std::string& answer) {
    if (answer == "yes") return IDYES;
    if (answer == "no") return IDNO;
    if (answer == "cancel") return IDCANCEL;
    return IDOK;
}

}  // namespace

std::optional<ScriptAction> ScriptDriver::Take() {
    std::optional<ScriptAction> action = script_.Take();
    if (action) ++linesTaken_;
    return action;
}

void ScriptDriver::Step(CDialog& dialog) {
    if (holding_) {  // the last key has been handled: its modifiers go
        keyboard_.Release();
        holding_ = false;
    }
    if (std::optional<ScriptAction> action = Take()) {
        Perform(dialog, *action);
    } else if (closing_ != &dialog) {
        closing_ = &dialog;
        platform::PostMessage(dialog.GetSafeHwnd(), WM_CLOSE, 0, 0);  // as by the close box
    } else {
        throw WorldError("the UI script ended and dialog " + std::to_string(dialog.Resource().id) +
                         " stays open after its close box");
    }
}

void ScriptDriver::DialogEnded(const CDialog& dialog) {
    if (holding_) keyboard_.Release();
    holding_ = false;
    if (closing_ == &dialog) closing_ = nullptr;
}

void ScriptDriver::Perform(CDialog& dialog, const ScriptAction& action) {
    const ControlResource* resource = nullptr;
    switch (action.kind) {
        case ScriptAction::Kind::Text: {
            CWnd& edit = Target(dialog, action, resource);
            if (resource->kind != ControlKind::Edit) ScriptError(action, "control " + std::to_string(action.control) + " is no edit");
            Type(edit, *resource, action.text);
            return;
        }
        case ScriptAction::Kind::Click: {
            CWnd& button = Target(dialog, action, resource);
            if (resource->kind != ControlKind::PushButton && resource->kind != ControlKind::RadioButton)
                ScriptError(action, "control " + std::to_string(action.control) + " is no button");
            Click(dialog, button, *resource);
            return;
        }
        case ScriptAction::Kind::Key: {
            if (action.control) {
                CWnd& control = Target(dialog, action, resource);
                // A push button that a person tabs to becomes the dialog's default one, which
                // Enter clicks: Windows' dialog manager does that only when it moves the focus.
                if (resource->kind == ControlKind::PushButton) dialog.GotoDlgCtrl(&control);
                else control.SetFocus();
            }
            const CWnd* focus = GetFocusWnd();
            const HWND target = focus && CDialog::FromWindow(focus->GetSafeHwnd()) == &dialog ? focus->GetSafeHwnd()
                                                                                               : dialog.GetSafeHwnd();
            if (action.shift || action.ctrl || action.alt) {
                keyboard_.Hold(action.shift, action.ctrl, action.alt);
                holding_ = true;
            }
            platform::PostMessage(target, WM_KEYDOWN, static_cast<WPARAM>(action.virtualKey), 1);
            return;
        }
        case ScriptAction::Kind::Answer: ScriptError(action, "no message box is open");
        case ScriptAction::Kind::Save:
        case ScriptAction::Kind::SaveCancel: ScriptError(action, "no save-file dialog is open");
    }
}

int ScriptDriver::AnswerMessageBox(UINT type, const std::string& text) {
    const bool question = (type & MB_TYPEMASK) == MB_YESNO;
    const std::string buttons = question ? "yes/no" : "ok";
    const ScriptAction* next = script_.Peek();
    if (next && next->kind == ScriptAction::Kind::Answer) {
        const int answer = AnswerId(next->answer);
        const bool fits = question ? (answer == IDYES || answer == IDNO) : answer == IDOK;
        if (!fits) ScriptError(*next, "the message box offers " + buttons + ": " + OneLine(text));
        Take();
        return answer;
    }
    if (question && next) ScriptError(*next, "a question waits for an answer line: " + OneLine(text));
    if (question) throw WorldError("the UI script ended while a question waits for an answer: " + OneLine(text));
    return IDOK;
}

int ScriptDriver::EndingAnswer(UINT type) { return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK; }

ScriptAction ScriptDriver::TakeSaveLine(const std::string& title) {
    const ScriptAction* next = script_.Peek();
    if (!next) throw WorldError("the UI script ended while a save-file dialog waits: " + OneLine(title));
    if (next->kind != ScriptAction::Kind::Save && next->kind != ScriptAction::Kind::SaveCancel)
        ScriptError(*next, "a save-file dialog waits for a save or save-cancel line");
    return *Take();
}
