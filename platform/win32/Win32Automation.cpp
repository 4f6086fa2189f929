// The automation of a test build on the real windows. At the start it reads TXLINK_TRANSCRIPT,
// TXLINK_FAULTS and TXLINK_UI; the framework's modal loop hands the script each dialog that
// waits. Message boxes and the save-file dialog run loops of the system's own: a CBT hook finds
// each as it activates and answers it from the script, and a watchdog ends a run whose system
// dialog never takes its answer.
#include "platform/ApplicationRun.h"
#include "platform/CDialog.h"
#include "platform/MbcsText.h"
#include "platform/WorldError.h"
#include "platform/script/Automation.h"
#include "platform/script/StallWatch.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32TestSession.h"
#include "platform/win32/Win32World.h"

#include <commctrl.h>

#include <cwchar>
#include <memory>

namespace {

// A dialog that does not take its answer for this long cannot be answered: generous, for a
// slow Wine on a busy machine. Ticks further apart than the gap mean the program was at work.
constexpr std::uint32_t kStallLimit = 20000;
constexpr std::uint32_t kWorkGap = 2000;
constexpr UINT kWatchInterval = 100;
constexpr int kFileNameBox = 0x47C;     // cmb13 of the save-file dialog
constexpr int kOldFileNameBox = 0x480;  // edt1 of older dialogs

// Modifiers are read through GetKeyState, which a posted key does not change: they go into the
// keyboard state until the key has been handled.
class Win32Keyboard final : public ScriptKeyboard {
public:
    void Hold(bool shift, bool ctrl, bool alt) override {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        const auto hold = [&](bool held, int key, int left) {
            if (held) keys[key] = keys[left] = 0x80;
        };
        hold(shift, VK_SHIFT, VK_LSHIFT);
        hold(ctrl, VK_CONTROL, VK_LCONTROL);
        hold(alt, VK_MENU, VK_LMENU);
        ::SetKeyboardState(keys);
    }
    void Release() override {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        for (int key : {VK_SHIFT, VK_LSHIFT, VK_CONTROL, VK_LCONTROL, VK_MENU, VK_LMENU}) keys[key] = 0;
        ::SetKeyboardState(keys);
    }
};

enum class Awaiting { Nothing, MessageBox, FileDialog };

// The system dialog the program shows now.
struct SystemDialog {
    Awaiting awaiting = Awaiting::Nothing;
    UINT type = 0;                    // a message box's MB_ flags
    std::string text;                 // its text, or the file dialog's title
    DWORD fileFlags = 0;              // the file dialog's OFN_ options
    std::string defExt;               // and its default extension
    std::vector<std::string> refused; // scripted paths refused before the dialog saw them
    HWND window = nullptr;            // once it has activated
};

Win32Keyboard keyboard;
std::unique_ptr<Automation> automation;
HHOOK cbtHook = nullptr;
UINT_PTR watchdog = 0;
StallWatch stallWatch(kStallLimit, kWorkGap);
SystemDialog shown;

ScriptDriver* Driver() { return automation ? automation->driver() : nullptr; }

// The script's file; one that cannot be read says which call failed, with GetLastError's code
// and text, on the run's one line of stderr.
std::string ReadScript(const std::string& path) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const char* call = "CreateFileA";
    std::string text;
    if (file != INVALID_HANDLE_VALUE) {
        char buffer[4096];
        DWORD got = 0;
        BOOL read = FALSE;
        while ((read = ::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0) text.append(buffer, got);
        const DWORD error = ::GetLastError();
        ::CloseHandle(file);
        if (read) return text;
        ::SetLastError(error);
        call = "ReadFile";
    }
    throw WorldError("cannot read the UI script " + path + ": " + DescribeLastError(call));
}

// A program of the GUI subsystem writes to stderr only when it inherited one.
bool HasStandardError() {
    const HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
    return error && error != INVALID_HANDLE_VALUE;
}

void Press(HWND dialog, int id) {
    stallWatch.Delivered();
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// A run that cannot go on ends a system dialog with a button it has: No, Cancel or OK (a box
// without Cancel ignores IDCANCEL on Windows).
void EndWithButtonItHas(HWND dialog) {
    for (const int id : {IDNO, IDCANCEL, IDOK}) {
        if (::GetDlgItem(dialog, id)) {
            Press(dialog, id);
            return;
        }
    }
    ::PostMessageW(dialog, WM_CLOSE, 0, 0);
}

bool IsSystemDialog(HWND window) {
    wchar_t name[16] = {};  // some activations name a window whose class cannot be read
    ::GetClassNameW(window, name, 15);
    return std::wcscmp(name, L"#32770") == 0 && !CDialog::FromWindow(window);
}

BOOL CALLBACK EndIfSystemDialog(HWND window, LPARAM) {
    if (IsSystemDialog(window)) EndWithButtonItHas(window);
    return TRUE;
}

// Every message box and file dialog of the thread goes, also one the hook never saw.
void EndSystemDialogs() { ::EnumThreadWindows(::GetCurrentThreadId(), EndIfSystemDialog, 0); }

bool IsFullPath(const std::string& path) {
    return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.starts_with("\\\\");
}

// The path the dialog checks: a name without extension gets the default one.
std::string WithDefaultExtension(const std::string& path, const std::string& defExt) {
    const std::size_t slash = MbcsText::FindLast(path, '\\');
    const std::size_t nameStart = slash == MbcsText::npos ? 0 : slash + 1;
    if (defExt.empty() || MbcsText::Find(path.substr(nameStart), '.') != MbcsText::npos) return path;
    return path + "." + defExt;
}

// A full path that the dialog's options refuse is refused here, as the dialog would refuse it
// (with a box of its own, which a script cannot see, or not at all under Wine): the dialog
// stays and takes the next line. The rest go into the name box.
void AnswerFileDialog(HWND dialog) {
    for (;;) {
        const ScriptAction line = Driver()->TakeSaveLine(shown.text);
        if (line.kind == ScriptAction::Kind::SaveCancel) {
            Press(dialog, IDCANCEL);
            return;
        }
        const std::string checked = WithDefaultExtension(line.text, shown.defExt);
        if (IsFullPath(checked) && RefusedByOptions(checked, shown.fileFlags)) {
            shown.refused.push_back(checked);
            continue;
        }
        HWND name = ::GetDlgItem(dialog, kFileNameBox);
        if (!name) name = ::GetDlgItem(dialog, kOldFileNameBox);
        ::SetWindowTextW(name, Wide(line.text).c_str());
        Press(dialog, IDOK);
        return;
    }
}

LRESULT CALLBACK Cbt(int code, WPARAM wParam, LPARAM lParam) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && shown.awaiting != Awaiting::Nothing && !shown.window && IsSystemDialog(window)) {
        shown.window = window;
        try {
            if (shown.awaiting == Awaiting::MessageBox) Press(window, Driver()->AnswerMessageBox(shown.type, shown.text));
            else AnswerFileDialog(window);
        } catch (...) {
            World().Fail(std::current_exception());
            EndWithButtonItHas(window);
        }
    }
    return ::CallNextHookEx(cbtHook, code, wParam, lParam);
}

// A dialog that never takes its answer ends the run with status 3 naming the step, instead of
// a run that waits until it is killed.
void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD) {
    if (World().failure || !stallWatch.Tick(::GetTickCount())) return;
    EndSystemDialogs();
    const std::string waited = std::to_string(stallWatch.LimitMs() / 1000) + " s";
    try {
        if (const ScriptAction* next = automation->script()->Peek())
            ScriptError(*next, "the step cannot be delivered: the program waited " + waited + " without taking it");
        throw WorldError("the UI script has ended and the program waited " + waited + " for a window it cannot reach");
    } catch (...) {
        World().Fail(std::current_exception());
    }
}

void Await(Awaiting awaiting, const std::string& text) {
    if (!Driver()) return;
    shown = SystemDialog{};
    shown.awaiting = awaiting;
    shown.text = text;
    stallWatch.Delivered();  // a new dialog: the watch starts again
    watchdog = ::SetTimer(nullptr, 0, kWatchInterval, Watch);
}

// The script acts on the framework's dialogs through the modal loop, on the system's own
// through the hook.
void HookSystemDialogs() { cbtHook = ::SetWindowsHookExW(WH_CBT, Cbt, nullptr, ::GetCurrentThreadId()); }

void Unhook() {
    if (cbtHook) ::UnhookWindowsHookEx(cbtHook);
    cbtHook = nullptr;
}

// The transcript of the last test session stays readable until the next one starts.
std::vector<std::string> lastTranscript;
std::uint64_t bytesWrittenLast = 0;

}  // namespace

void StartAutomation() {
    automation = std::make_unique<Automation>(AutomationConfig{Environment("TXLINK_TRANSCRIPT"), HasStandardError()},
                                              keyboard);
    automation->InjectFaults(Environment("TXLINK_FAULTS"));
    if (const std::string script = Environment("TXLINK_UI"); !script.empty()) {
        automation->SetScript(UiScript::FromText(ReadScript(script)));
        HookSystemDialogs();
    }
}

void FinishAutomation(int status) {
    Unhook();
    if (automation) automation->Finish(status);
}

namespace Win32TestSession {

void Start(const std::string& script, const std::string& faults) {
    Stop();
    lastTranscript.clear();
    bytesWrittenLast = 0;
    static const bool controlsRegistered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)controlsRegistered;
    auto started = std::make_unique<Automation>(AutomationConfig{}, keyboard);
    started->InjectFaults(faults);  // a malformed entry leaves no session behind
    started->SetScript(UiScript::FromText(script));
    automation = std::move(started);
    HookSystemDialogs();
}

void Stop() {
    Unhook();
    SystemDialogEnded();
    if (automation) {
        automation->transcript().Close();
        lastTranscript = automation->transcript().Lines();
        bytesWrittenLast = automation->BytesWritten();
    }
    automation.reset();
    keyboard.Release();
    Win32World& world = World();
    world.failure = nullptr;
    world.waitCursor = 0;
}

const std::vector<std::string>& TranscriptLines() { return automation ? automation->transcript().Lines() : lastTranscript; }

std::uint64_t BytesWritten() { return automation ? automation->BytesWritten() : bytesWrittenLast; }

}  // namespace Win32TestSession

void AwaitMessageBox(UINT type, const std::string& text) {
    Await(Awaiting::MessageBox, text);
    shown.type = type;
}

void AwaitFileDialog(const std::string& title, DWORD flags, const std::string& defExt) {
    Await(Awaiting::FileDialog, title);
    shown.fileFlags = flags;
    shown.defExt = defExt;
}

std::vector<std::string> SystemDialogEnded() {
    if (watchdog) ::KillTimer(nullptr, watchdog);
    watchdog = 0;
    std::vector<std::string> refused = std::move(shown.refused);
    shown = SystemDialog{};
    return refused;
}
