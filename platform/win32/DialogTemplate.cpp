#include "platform/win32/DialogTemplate.h"

#include "platform/win32/WideText.h"

#include <string>

namespace {

// Predefined window classes of a dialog template, by ordinal.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr wchar_t kProgressClass[] = L"msctls_progress32";
constexpr BYTE kShiftJisCharset = 128;

}  // namespace

DialogTemplate::DialogTemplate(const DialogResource& resource) {
    Word(1);       // dlgVer
    Word(0xFFFF);  // signature: DLGTEMPLATEEX
    Dword(0);      // helpID
    Dword(0);      // exStyle
    // Centred on the screen: the resource gives no position of its own.
    Dword(resource.style | DS_SETFONT | DS_CENTER);
    Word(static_cast<WORD>(resource.controls.size()));
    for (short value : {short{0}, short{0}, resource.cx, resource.cy}) Word(static_cast<WORD>(value));
    Word(0);  // no menu
    Word(0);  // the dialog class
    Text(resource.caption);
    Word(static_cast<WORD>(resource.fontSize));
    Word(FW_NORMAL);
    words_.push_back(static_cast<WORD>(kShiftJisCharset << 8));  // italic 0, charset
    Text(resource.fontName);
    for (const ControlResource& control : resource.controls) Control(control);
}

void DialogTemplate::Dword(DWORD value) {
    Word(static_cast<WORD>(value & 0xFFFF));
    Word(static_cast<WORD>(value >> 16));
}

void DialogTemplate::Text(const char* cp932) {
    const std::wstring wide = Wide(cp932 ? cp932 : "");
    for (wchar_t c : wide) Word(static_cast<WORD>(c));
    Word(0);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2) Word(0);
}

void DialogTemplate::Control(const ControlResource& control) {
    AlignToDword();
    Dword(0);  // helpID
    Dword(0);  // exStyle
    Dword(control.style | WS_CHILD);
    for (short value : {control.x, control.y, control.cx, control.cy}) Word(static_cast<WORD>(value));
    Dword(static_cast<DWORD>(control.id));
    switch (control.kind) {
        case ControlKind::Edit: Ordinal(kEditClass); break;
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox: Ordinal(kButtonClass); break;
        case ControlKind::Static:
        case ControlKind::Picture: Ordinal(kStaticClass); break;
        case ControlKind::ProgressBar:
            for (const wchar_t* c = kProgressClass; *c; ++c) Word(static_cast<WORD>(*c));
            Word(0);
            break;
    }
    // A picture's text would name a bitmap resource; the program has none.
    Text(control.kind == ControlKind::Picture ? "" : control.text);
    Word(0);  // no creation data
}
