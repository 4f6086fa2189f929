#include "platform/host/HostPrompt.h"

#include "platform/host/HostWorld.h"
#include "platform/TextCodec.h"

#include <iostream>

namespace {

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit: return "edit";
        case ControlKind::PushButton: return "button";
        case ControlKind::RadioButton: return "radio";
        case ControlKind::Static: return "label";
        case ControlKind::Picture: return "picture";
        case ControlKind::GroupBox: return "group";
        case ControlKind::ProgressBar: return "progress";
    }
    return "";
}

}  // namespace

void ShowPrompt(HostWorld& world) {
    if (world.automation) world.automation->transcript().EchoInterrupted();
    std::cerr << "\n";
    if (!world.waiting.empty()) {
        std::cerr << world.waiting << "\n";
    } else if (const HostDialog* dialog = world.windows.ActiveModal()) {
        std::cerr << "dialog " << dialog->Id() << " \"" << OneLine(dialog->caption) << "\"\n";
        for (const auto& control : dialog->controls) {
            if (control->id == IDC_STATIC || !control->visible) continue;
            std::cerr << "  " << control->id << " " << KindName(control->kind) << " \"" << OneLine(control->text) << "\"";
            if (!control->enabled) std::cerr << " disabled";
            if (control->kind == ControlKind::RadioButton && control->checked) std::cerr << " checked";
            if (world.windows.focus == control->hwnd) std::cerr << " <focus>";
            std::cerr << "\n";
        }
        std::cerr << "type: text ID TEXT | click ID | key [shift+|ctrl+|alt+]Enter|F12|Esc [ID]\n";
    }
    std::cerr << "> " << std::flush;
}
