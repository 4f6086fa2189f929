// The dialogs' pictures. The program's one picture is the information mark beside the
// saved-return method; it has no bitmap resource of its own, so the mark is the system's
// information icon, drawn when the dialog starts into a bitmap of the control's size (in
// pixels at the screen's DPI). The control holds the bitmap; it goes with the dialog.
#include "platform/win32/Win32World.h"

#include <algorithm>

namespace {

// IDI_INFORMATION as the W functions take it (the A and W macros follow the program's A build).
const wchar_t* const kInformationIcon = MAKEINTRESOURCEW(32516);

// The system's information icon at the size asked: the image of that size where the system
// has one, else the standard icon stretched. Shared icons are the system's; none is destroyed.
void DrawInformationIcon(HDC dc, int x, int y, int side) {
    HICON icon = static_cast<HICON>(::LoadImageW(nullptr, kInformationIcon, IMAGE_ICON, side, side, LR_SHARED));
    if (!icon) icon = ::LoadIconW(nullptr, kInformationIcon);
    ::DrawIconEx(dc, x, y, icon, side, side, 0, nullptr, DI_NORMAL);
}

// A bitmap of the control's size with the icon centred on the dialog's face colour. The size
// comes from the resource: a bitmap static without an image may have shrunk to nothing.
HBITMAP InformationMark(HWND dialog, HWND control, const ControlResource& resource) {
    RECT area{0, 0, resource.cx, resource.cy};
    ::MapDialogRect(dialog, &area);
    const int side = std::min(area.right, area.bottom);
    if (side <= 0) return nullptr;
    const HDC screen = ::GetDC(control);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, area.right, area.bottom);
    ::ReleaseDC(control, screen);
    if (!memory || !bitmap) {
        if (memory) ::DeleteDC(memory);
        if (bitmap) ::DeleteObject(bitmap);
        return nullptr;
    }
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::FillRect(memory, &area, ::GetSysColorBrush(COLOR_BTNFACE));
    DrawInformationIcon(memory, (area.right - side) / 2, (area.bottom - side) / 2, side);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    return bitmap;
}

bool IsMark(const ControlResource& control) {
    return control.kind == ControlKind::Picture && (control.style & SS_TYPEMASK) == SS_BITMAP;
}

}  // namespace

void ShowPictures(HWND dialog, const DialogResource& resource) {
    for (const ControlResource& control : resource.controls) {
        if (!IsMark(control)) continue;
        const HWND picture = ::GetDlgItem(dialog, control.id);
        const HBITMAP mark = picture ? InformationMark(dialog, picture, control) : nullptr;
        if (!mark) continue;
        // A mark drawn before (at another DPI) goes once the new one shows.
        const auto previous = reinterpret_cast<HBITMAP>(
            ::SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(mark)));
        if (previous) ::DeleteObject(previous);
    }
}

void ForgetPictures(HWND dialog, const DialogResource& resource) {
    for (const ControlResource& control : resource.controls) {
        const HWND picture = IsMark(control) ? ::GetDlgItem(dialog, control.id) : nullptr;
        if (!picture) continue;
        const auto mark = reinterpret_cast<HBITMAP>(::SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, 0));
        if (mark) ::DeleteObject(mark);
    }
}
