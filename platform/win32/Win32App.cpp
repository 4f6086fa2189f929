// The application object and the process entry of the win32 backend: without TXLINK_UI a
// person drives the dialogs; with it the script does, unattended.
#include "platform/CWinApp.h"
#include "platform/WorldError.h"
#include "platform/script/ApplicationRun.h"
#include "platform/win32/Win32World.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

namespace {

std::string ReadScript(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw WorldError("cannot read the UI script " + path);
    return std::string(std::istreambuf_iterator<char>(file), {});
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

int AfxWinMain(int argc, char** argv) {
    const int code = RunApplication(JoinArguments(argc, argv), SetUpWorld);
    StopScript();
    World().transcript.Exit(code);
    World().transcript.Close();
    return code;
}
