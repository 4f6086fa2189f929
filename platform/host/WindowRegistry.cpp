#include "platform/host/WindowRegistry.h"

#include "platform/CControls.h"

#include <algorithm>

namespace {

// A wrapper of the control's own class, so that the program may cast GetDlgItem's answer as
// MFC programs do.
std::unique_ptr<CWnd> NewWrapper(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit: return std::make_unique<CEdit>();
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox: return std::make_unique<CButton>();
        case ControlKind::ProgressBar: return std::make_unique<CProgressCtrl>();
        default: return std::make_unique<CStatic>();
    }
}

}  // namespace

HostControl* HostDialog::FindControl(int id) const {
    for (const auto& control : controls) {
        if (control->id == id) return control.get();
    }
    return nullptr;
}

HWND WindowRegistry::NewHandle() {
    lastHandle_ += 4;
    return reinterpret_cast<HWND>(lastHandle_);
}

HostDialog& WindowRegistry::CreateDialog(const DialogResource& resource, CDialog& object, bool modal) {
    auto dialog = std::make_unique<HostDialog>();
    dialog->hwnd = NewHandle();
    dialog->resource = &resource;
    dialog->object = &object;
    dialog->caption = resource.caption ? resource.caption : "";
    dialog->modal = modal;
    dialog->enabled = (resource.style & WS_DISABLED) == 0;
    for (const ControlResource& source : resource.controls) {
        auto control = std::make_unique<HostControl>();
        control->hwnd = NewHandle();
        control->id = source.id;
        control->kind = source.kind;
        control->style = source.style;
        control->text = source.text ? source.text : "";
        control->enabled = (source.style & WS_DISABLED) == 0;
        control->visible = (source.style & WS_VISIBLE) != 0;  // as a dialog template makes it
        controls_[control->hwnd] = control.get();
        controlOwners_[control->hwnd] = dialog.get();
        dialog->controls.push_back(std::move(control));
    }
    HostDialog& created = *dialog;
    dialogs_[created.hwnd] = std::move(dialog);
    return created;
}

void WindowRegistry::DestroyDialog(HWND hwnd) {
    const auto found = dialogs_.find(hwnd);
    if (found == dialogs_.end()) return;
    HostDialog& dialog = *found->second;
    for (const auto& control : dialog.controls) {
        if (focus == control->hwnd) focus = nullptr;
        controls_.erase(control->hwnd);
        controlOwners_.erase(control->hwnd);
    }
    if (focus == hwnd) focus = nullptr;
    PopModal(dialog);
    dialogs_.erase(found);
}

void WindowRegistry::Clear() {
    dialogs_.clear();
    controls_.clear();
    controlOwners_.clear();
    modal_.clear();
    focus = nullptr;
}

HostDialog* WindowRegistry::Dialog(HWND hwnd) const {
    const auto found = dialogs_.find(hwnd);
    return found == dialogs_.end() ? nullptr : found->second.get();
}

HostControl* WindowRegistry::Control(HWND hwnd) const {
    const auto found = controls_.find(hwnd);
    return found == controls_.end() ? nullptr : found->second;
}

HostDialog* WindowRegistry::DialogOf(HWND hwnd) const {
    if (HostDialog* dialog = Dialog(hwnd)) return dialog;
    const auto found = controlOwners_.find(hwnd);
    return found == controlOwners_.end() ? nullptr : found->second;
}

CWnd* WindowRegistry::WrapperOf(HWND hwnd) {
    if (HostDialog* dialog = Dialog(hwnd)) return dialog->object;
    HostControl* control = Control(hwnd);
    if (!control) return nullptr;
    if (control->wrapper) return control->wrapper;
    if (!control->temporary) {
        control->temporary = NewWrapper(control->kind);
        control->temporary->m_hWnd = hwnd;
    }
    return control->temporary.get();
}

void WindowRegistry::PopModal(HostDialog& dialog) {
    modal_.erase(std::remove(modal_.begin(), modal_.end(), &dialog), modal_.end());
}
