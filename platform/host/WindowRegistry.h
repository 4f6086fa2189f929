// The simulated windows: every dialog of the program and its controls, by window handle, with
// the state a real window would hold (text, enabled, checked, visible, limit, selection), the
// keyboard focus and the stack of running modal dialogs. Handles are never reused.
#pragma once

#include "platform/CDialog.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

struct HostControl {
    HWND hwnd = nullptr;
    int id = 0;
    ControlKind kind = ControlKind::Static;
    DWORD style = 0;
    std::string text;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    UINT limit = 30000;          // an edit's character limit (bytes of CP932)
    bool wholeSelected = false;  // an edit's whole text is selected
    int lower = 0, upper = 100, pos = 0, step = 10;  // a progress bar
    CWnd* wrapper = nullptr;               // the program's wrapper (DDX_Control)
    std::unique_ptr<CWnd> temporary;       // GetDlgItem's own wrapper otherwise

    bool IsButton() const { return kind == ControlKind::PushButton || kind == ControlKind::RadioButton; }
};

struct HostDialog {
    HWND hwnd = nullptr;
    const DialogResource* resource = nullptr;
    CDialog* object = nullptr;
    std::string caption;
    bool visible = false;
    bool enabled = true;
    bool modal = false;
    HWND owner = nullptr;
    HWND previousFocus = nullptr;  // where the focus goes back when a modal dialog ends
    std::vector<std::unique_ptr<HostControl>> controls;  // resource order: tab and group order

    int Id() const { return resource->id; }
    HostControl* FindControl(int id) const;
};

class WindowRegistry {
public:
    HostDialog& CreateDialog(const DialogResource& resource, CDialog& object, bool modal);
    // Forgets the dialog and its controls; the handles stay dead.
    void DestroyDialog(HWND hwnd);
    void Clear();

    HostDialog* Dialog(HWND hwnd) const;       // a dialog window itself
    HostControl* Control(HWND hwnd) const;     // a control window
    HostDialog* DialogOf(HWND hwnd) const;     // the dialog, or the dialog that holds the control
    bool IsOurs(HWND hwnd) const { return DialogOf(hwnd) != nullptr; }
    // The wrapper that stands for a window of ours: the dialog object, the program's control
    // wrapper, or one the registry keeps.
    CWnd* WrapperOf(HWND hwnd);

    HostDialog* ActiveModal() const { return modal_.empty() ? nullptr : modal_.back(); }
    void PushModal(HostDialog& dialog) { modal_.push_back(&dialog); }
    void PopModal(HostDialog& dialog);
    const std::map<HWND, std::unique_ptr<HostDialog>>& Dialogs() const { return dialogs_; }

    HWND focus = nullptr;

private:
    HWND NewHandle();

    std::map<HWND, std::unique_ptr<HostDialog>> dialogs_;
    std::map<HWND, HostControl*> controls_;
    std::map<HWND, HostDialog*> controlOwners_;
    std::vector<HostDialog*> modal_;
    std::uintptr_t lastHandle_ = 0x40000;
};
