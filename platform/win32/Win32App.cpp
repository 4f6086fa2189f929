// The application object and the process entry of the win32 backend.
#include "platform/ApplicationRun.h"
#include "platform/CWinApp.h"
#include "platform/win32/Win32World.h"

#include <commctrl.h>

namespace {

void SetUpWorld() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    StartAutomation();
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
int AfxWinMain(int, char**) { return RunApplication(CommandLineTail(::GetCommandLineA()), SetUpWorld, FinishAutomation); }
