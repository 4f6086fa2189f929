#include "platform/host/HostWorld.h"

#include "platform/WorldError.h"
#include "platform/script/TextCodec.h"

HostWorld& World() {
    static HostWorld* world = new HostWorld;  // outlives every static object of the program
    return *world;
}

std::optional<WindowsPath> HostWorld::Resolve(const std::string& windowsPath) const {
    return ResolveWindowsPath(windowsPath, currentDirectory);
}

std::optional<std::string> HostWorld::HostPath(const std::string& windowsPath) const {
    std::optional<WindowsPath> path = Resolve(windowsPath);
    return path ? drives.ToHost(*path) : std::nullopt;
}

void HostWorld::ReportFocus() {
    const HostControl* control = windows.Control(windows.focus);
    const HostDialog* dialog = windows.DialogOf(windows.focus);
    if (!control || !dialog) {
        reportedFocus.reset();
        return;
    }
    const FocusReport now{dialog->Id(), control->id, control->kind == ControlKind::Edit && control->wholeSelected};
    if (reportedFocus == now) return;
    reportedFocus = now;
    transcript.Focus(now.dialog, now.control, now.selectAll);
}

