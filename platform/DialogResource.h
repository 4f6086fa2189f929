// A dialog resource as data: what an .rc DIALOGEX block says, one table per dialog.
// Both backends build their windows from these tables; the order of the controls is the
// tab and z order, WS_TABSTOP and WS_GROUP mark tab stops and the starts of groups.
#pragma once

#include "platform/WinTypes.h"

#include <span>

enum class ControlKind { Edit, PushButton, RadioButton, Static, Picture, GroupBox, ProgressBar };

struct ControlResource {
    int id;  // IDC_STATIC for labels that the program never addresses
    ControlKind kind;
    const char* text;
    short x, y, cx, cy;  // dialog units
    DWORD style;
};

struct DialogResource {
    int id;
    const char* caption;
    const char* fontName;
    int fontSize;
    short cx, cy;  // dialog units
    DWORD style;
    std::span<const ControlResource> controls;
};

// The resource's control with this id, nullptr for IDC_STATIC and for an id it lacks.
inline const ControlResource* FindControl(const DialogResource& resource, int id) {
    if (id == IDC_STATIC) return nullptr;
    for (const ControlResource& control : resource.controls) {
        if (control.id == id) return &control;
    }
    return nullptr;
}
