// The application object and the process entry of the win32 backend: without TXLINK_UI a
// person drives the dialogs; with it the script does, unattended.
#include "platform/CWinApp.h"
#include "platform/WorldError.h"
#include "platform/script/ApplicationRun.h"
#include "platform/win32/Win32World.h"

#include <commctrl.h>


namespace {

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

// Prepares the real world for the run; answers the UI script, nullptr when a person drives.
UiScript* SetUpWorld() {
    Win32World& world = World();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    world.transcript.Open(Environment("TXLINK_TRANSCRIPT"), HasStandardError());
    world.faults = Faults::Parse(Environment("TXLINK_FAULTS"));
    if (const std::string script = Environment("TXLINK_UI"); !script.empty()) {
        world.scripted = true;
        world.script = UiScript::FromText(ReadScript(script));
        StartScript();
    }
    InstallKeyFilter();
    return world.scripted ? &world.script : nullptr;
}

}  // namespace

void BeginWaitCursor() {
    Win32World& world = World();
    if (world.waitCursor++ == 0) world.cursorBeforeWait = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

void EndWaitCursor() {
    Win32World& world = World();
    if (world.waitCursor == 0 || --world.waitCursor > 0) return;
    ::SetCursor(world.cursorBeforeWait ? world.cursorBeforeWait : ::LoadCursorA(nullptr, IDC_ARROW));
}

// The command line is Windows' own, not the C runtime's argv joined again: a prescribed path
// keeps its runs of blanks and its quotes.
int AfxWinMain(int, char**) {
    const int code = RunApplication(CommandLineTail(::GetCommandLineA()), SetUpWorld);
    StopScript();
    World().transcript.Exit(code);
    World().transcript.Close();
    return code;
}
