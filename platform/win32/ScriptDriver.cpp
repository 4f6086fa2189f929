// The UI script acting on the real windows. A thread timer takes the next line whenever the
// innermost modal dialog of the program is idle: texts go into the edits, clicks are posted
// to the buttons and keys to the focused control, so that they take a person's path through
// the message loop. A CBT hook finds each message box and save-file dialog as it activates
// and answers it from the script.
#include "platform/MbcsText.h"
#include "platform/WorldError.h"
#include "platform/script/StallWatch.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32World.h"

#include <cwchar>

namespace {

constexpr UINT kStepInterval = 10;  // ms between two lines
// A step that the loops do not take for this long cannot be delivered: generous, for a slow
// Wine on a busy machine. Ticks further apart than the gap mean the program was at work.
constexpr std::uint32_t kStallLimit = 20000;
constexpr std::uint32_t kWorkGap = 2000;
constexpr int kFileNameBox = 0x47C;   // cmb13 of the save-file dialog
constexpr int kOldFileNameBox = 0x480;  // edt1 of older dialogs

UINT_PTR stepTimer = 0;
HHOOK cbtHook = nullptr;
StallWatch stallWatch(kStallLimit, kWorkGap);

std::optional<ScriptAction> TakeLine() {
    std::optional<ScriptAction> action = World().script.Take();
    stallWatch.Delivered();
    return action;
}

std::string Name(HWND dialog, int control) {
    return "control " + std::to_string(control) + " of dialog " + std::to_string(World().DialogId(dialog));
}

// The control a line acts on, which a person could reach: present, visible and enabled.
HWND Target(HWND dialog, const ScriptAction& action, const ControlResource*& resource) {
    resource = FindControl(World().DialogObject(dialog)->Resource(), action.control);
    if (!resource)
        ScriptError(action, "dialog " + std::to_string(World().DialogId(dialog)) + " has no control " +
                                std::to_string(action.control));
    const HWND control = ::GetDlgItem(dialog, action.control);
    if (!(::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE)) ScriptError(action, Name(dialog, action.control) + " is hidden");
    if (!::IsWindowEnabled(control)) ScriptError(action, Name(dialog, action.control) + " is disabled");
    return control;
}

// As a person types into an edit: a digits-only edit drops every other character, and what
// goes past the limit is cut, never half a character.
void Type(HWND edit, const std::string& typed) {
    const bool digitsOnly = (::GetWindowLongW(edit, GWL_STYLE) & ES_NUMBER) != 0;
    std::string text;
    for (std::size_t at = 0; at < typed.size(); at += MbcsText::CharLength(typed, at)) {
        const std::size_t length = MbcsText::CharLength(typed, at);
        const bool digit = length == 1 && typed[at] >= '0' && typed[at] <= '9';
        if (digit || !digitsOnly) text.append(typed, at, length);
    }
    const auto limit = static_cast<std::size_t>(::SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
    ::SetWindowTextW(edit, Wide(MbcsText::CutAt(text, limit)).c_str());
}

// Modifiers are read through GetKeyState, which a posted key does not change: they go into
// the keyboard state until the key filter has handled the key.
void HoldModifiers(const ScriptAction& action) {
    if (!action.shift && !action.ctrl && !action.alt) return;
    BYTE keys[256];
    ::GetKeyboardState(keys);
    const auto hold = [&](bool held, int key, int left) {
        if (held) keys[key] = keys[left] = 0x80;
    };
    hold(action.shift, VK_SHIFT, VK_LSHIFT);
    hold(action.ctrl, VK_CONTROL, VK_LCONTROL);
    hold(action.alt, VK_MENU, VK_LMENU);
    ::SetKeyboardState(keys);
    World().releaseModifiers = true;
}

// A click: the focus to the button, an automatic radio button checked in its group, and the
// notification the button sends, posted into the loop.
void Click(HWND dialog, HWND button, const ControlResource& clicked) {
    ::SetFocus(button);
    if (clicked.kind == ControlKind::RadioButton) {
        const auto controls = World().DialogObject(dialog)->Resource().controls;
        std::size_t start = 0;
        std::size_t index = 0;
        while (&controls[index] != &clicked) {
            if (controls[index].style & WS_GROUP) start = index;
            ++index;
        }
        if (clicked.style & WS_GROUP) start = index;
        for (std::size_t at = start; at < controls.size(); ++at) {
            if (at > index && (controls[at].style & WS_GROUP)) break;
            if (controls[at].kind == ControlKind::RadioButton)
                ::CheckDlgButton(dialog, controls[at].id, at == index ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(clicked.id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void Perform(HWND dialog, const ScriptAction& action) {
    const ControlResource* resource = nullptr;
    switch (action.kind) {
        case ScriptAction::Kind::Text: {
            const HWND edit = Target(dialog, action, resource);
            if (resource->kind != ControlKind::Edit) ScriptError(action, "control " + std::to_string(action.control) + " is no edit");
            ::SetFocus(edit);
            Type(edit, action.text);
            return;
        }
        case ScriptAction::Kind::Click: {
            const HWND button = Target(dialog, action, resource);
            if (resource->kind != ControlKind::PushButton && resource->kind != ControlKind::RadioButton)
                ScriptError(action, "control " + std::to_string(action.control) + " is no button");
            Click(dialog, button, *resource);
            return;
        }
        case ScriptAction::Kind::Key: {
            if (action.control) ::SetFocus(Target(dialog, action, resource));
            const HWND focus = ::GetFocus();
            HoldModifiers(action);
            ::PostMessageW(World().DialogOf(focus) == dialog ? focus : dialog, WM_KEYDOWN,
                           static_cast<WPARAM>(action.virtualKey), 1);
            return;
        }
        case ScriptAction::Kind::Answer: ScriptError(action, "no message box is open");
        case ScriptAction::Kind::Save:
        case ScriptAction::Kind::SaveCancel: ScriptError(action, "no save-file dialog is open");
    }
}

bool IsSystemDialog(HWND window) {
    wchar_t name[16] = {};  // some activations name a window whose class cannot be read
    ::GetClassNameW(window, name, 15);
    return std::wcscmp(name, L"#32770") == 0 && !World().DialogOf(window);
}

BOOL CALLBACK CloseIfSystemDialog(HWND window, LPARAM) {
    if (IsSystemDialog(window)) ::PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Every message box and file dialog of the thread goes, also one the CBT hook never saw.
void CloseSystemDialogs() { ::EnumThreadWindows(::GetCurrentThreadId(), CloseIfSystemDialog, 0); }

// A step that cannot be delivered (its window never comes up, or never takes it) ends the run
// with status 3 naming the step, instead of a run that waits until it is killed.
void WatchForStall() {
    if (!stallWatch.Tick(::GetTickCount())) return;
    CloseSystemDialogs();
    const std::string waited = std::to_string(stallWatch.LimitMs() / 1000) + " s";
    if (const ScriptAction* next = World().script.Peek())
        ScriptError(*next, "the step cannot be delivered: the program waited " + waited + " without taking it");
    throw WorldError("the UI script has ended and the program waited " + waited + " for a window it cannot reach");
}

void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD) {
    Win32World& world = World();
    if (world.stepping || world.failure) return;
    try {
        WatchForStall();
    } catch (...) {
        world.Fail(std::current_exception());
        return;
    }
    if (world.awaiting != Awaiting::Nothing || world.modal.empty()) return;
    const HWND dialog = world.modal.back();
    if (world.ended.count(dialog) || !::IsWindowVisible(dialog)) return;
    world.stepping = true;
    try {
        world.ReportFocus();
        if (std::optional<ScriptAction> action = TakeLine()) {
            Perform(dialog, *action);
        } else if (world.closedAtScriptEnd.insert(dialog).second) {
            stallWatch.Delivered();
            ::PostMessageW(dialog, WM_CLOSE, 0, 0);  // as by the close box
        } else {
            throw WorldError("the UI script ended and dialog " + std::to_string(world.DialogId(dialog)) +
                             " stays open after its close box");
        }
    } catch (...) {
        world.Fail(std::current_exception());
    }
    world.stepping = false;
}

int AnswerId(const std::string& answer) {
    if (answer == "yes") return IDYES;
    if (answer == "no") return IDNO;
    if (answer == "cancel") return IDCANCEL;
    return IDOK;
}

void Press(HWND box, int id) {
    stallWatch.Delivered();
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
}

// An OK-only box is acknowledged without a line when the next line is not `answer`; a
// question needs one.
void AnswerMessageBox(HWND box) {
    Win32World& world = World();
    const bool question = (world.awaitingType & MB_TYPEMASK) == MB_YESNO;
    const std::string buttons = question ? "yes/no" : "ok";
    int answer = IDOK;
    const ScriptAction* next = world.script.Peek();
    if (next && next->kind == ScriptAction::Kind::Answer) {
        answer = AnswerId(next->answer);
        const bool fits = question ? (answer == IDYES || answer == IDNO) : answer == IDOK;
        if (!fits) ScriptError(*next, "the message box offers " + buttons + ": " + OneLine(world.awaitingText));
        TakeLine();
    } else if (question && next) {
        ScriptError(*next, "a question waits for an answer line: " + OneLine(world.awaitingText));
    } else if (question) {
        throw WorldError("the UI script ended while a question waits for an answer: " + OneLine(world.awaitingText));
    }
    Press(box, answer);
}

bool IsFullPath(const std::string& path) {
    return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.starts_with("\\\\");
}

// A full path that the dialog's options refuse is refused here, as the dialog would refuse it
// (with a box of its own, which a script cannot see, or not at all under Wine): the dialog
// stays and takes the next line. The rest go into the name box.
void AnswerSaveDialog(HWND dialog) {
    Win32World& world = World();
    const ScriptAction* next = world.script.Peek();
    for (;; next = world.script.Peek()) {
        if (!next) throw WorldError("the UI script ended while a save-file dialog waits: " + OneLine(world.awaitingText));
        if (next->kind == ScriptAction::Kind::SaveCancel) {
            TakeLine();
            Press(dialog, IDCANCEL);
            return;
        }
        if (next->kind != ScriptAction::Kind::Save)
            ScriptError(*next, "a save-file dialog waits for a save or save-cancel line");
        if (!IsFullPath(next->text) || !RefusedByOptions(next->text, world.awaitingFileFlags)) break;
        world.refusedAnswers.push_back(TakeLine()->text);
    }
    const std::string path = TakeLine()->text;
    HWND name = ::GetDlgItem(dialog, kFileNameBox);
    if (!name) name = ::GetDlgItem(dialog, kOldFileNameBox);
    ::SetWindowTextW(name, Wide(path).c_str());
    Press(dialog, IDOK);
}

LRESULT CALLBACK Cbt(int code, WPARAM wParam, LPARAM lParam) {
    Win32World& world = World();
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && world.awaiting != Awaiting::Nothing && !world.systemDialog && IsSystemDialog(window)) {
        world.systemDialog = window;
        try {
            if (world.awaiting == Awaiting::MessageBox) AnswerMessageBox(window);
            else AnswerSaveDialog(window);
        } catch (...) {
            world.Fail(std::current_exception());
        }
    }
    return ::CallNextHookEx(cbtHook, code, wParam, lParam);
}

}  // namespace

void StartScript() {
    stepTimer = ::SetTimer(nullptr, 0, kStepInterval, Step);
    cbtHook = ::SetWindowsHookExW(WH_CBT, Cbt, nullptr, ::GetCurrentThreadId());
}

void StopScript() {
    if (stepTimer) ::KillTimer(nullptr, stepTimer);
    if (cbtHook) ::UnhookWindowsHookEx(cbtHook);
    stepTimer = 0;
    cbtHook = nullptr;
}
