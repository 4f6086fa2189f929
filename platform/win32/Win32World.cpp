#include "platform/win32/Win32World.h"

#include "platform/WorldError.h"
#include "platform/script/TextCodec.h"
#include "platform/win32/WideText.h"

#include <algorithm>

Win32World& World() {
    static Win32World* world = new Win32World;  // outlives every static object of the program
    return *world;
}

std::string ErrorText(DWORD error) {
    char* buffer = nullptr;
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text(buffer ? buffer : "", buffer ? length : 0);
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

std::string DescribeLastError(const char* call) {
    const DWORD error = ::GetLastError();
    return std::string(call) + ": error " + std::to_string(error) + ": " + OneLine(ErrorText(error));
}

BOOL Win32World::Failed(const char* call, const std::string& path, DWORD code) {
    const DWORD error = code != ERROR_SUCCESS ? code : ::GetLastError();
    transcript.Failure(call, path, error, ErrorText(error));
    ::SetLastError(error);
    return FALSE;
}

CDialog* Win32World::DialogObject(HWND hwnd) const {
    const auto found = dialogs.find(hwnd);
    return found == dialogs.end() ? nullptr : found->second;
}

HWND Win32World::DialogOf(HWND hwnd) const {
    if (!hwnd) return nullptr;
    if (dialogs.count(hwnd)) return hwnd;
    // GetParent answers the owner of a popup (a message box owned by a dialog): children only.
    const HWND parent = (::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hwnd) : nullptr;
    return parent && dialogs.count(parent) ? parent : nullptr;
}

int Win32World::DialogId(HWND dialog) const {
    const CDialog* object = DialogObject(dialog);
    return object ? object->Resource().id : 0;
}

std::vector<ControlState> Win32World::States(HWND dialog) const {
    std::vector<ControlState> states;
    const CDialog* object = DialogObject(dialog);
    if (!object) return states;
    for (const ControlResource& control : object->Resource().controls) {
        if (control.id == IDC_STATIC) continue;
        const HWND item = ::GetDlgItem(dialog, control.id);
        std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(item)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(::GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
        ControlState state{control.id, Narrow(text), ::IsWindowEnabled(item) != FALSE, std::nullopt};
        if (control.kind == ControlKind::PushButton || control.kind == ControlKind::RadioButton)
            state.checked = ::SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
        states.push_back(std::move(state));
    }
    return states;
}

void Win32World::ReportFocus() {
    const HWND focus = ::GetFocus();
    const HWND dialog = DialogOf(focus);
    const ControlResource* control = dialog && dialog != focus
                                         ? FindControl(DialogObject(dialog)->Resource(), ::GetDlgCtrlID(focus))
                                         : nullptr;
    // The dialog manager also focuses a progress bar when a dialog has nothing else: a person
    // cannot see that focus, and it is not reported.
    const bool visible = control && (control->kind == ControlKind::Edit || control->kind == ControlKind::PushButton ||
                                     control->kind == ControlKind::RadioButton);
    if (!visible) {
        reportedFocus.reset();
        return;
    }
    bool whole = false;
    if (control->kind == ControlKind::Edit) {
        DWORD start = 0, end = 0;
        ::SendMessageW(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        whole = start == 0 && end == static_cast<DWORD>(::GetWindowTextLengthW(focus));
    }
    const FocusReport now{DialogId(dialog), control->id, whole};
    if (reportedFocus == now) return;
    reportedFocus = now;
    transcript.Focus(now.dialog, now.control, now.selectAll);
}

void Win32World::Fail(std::exception_ptr error) {
    if (!failure) failure = error;
    for (const HWND dialog : modal) ::EndDialog(dialog, -1);
    if (systemDialog) ::PostMessageW(systemDialog, WM_COMMAND, IDCANCEL, 0);
}

void Win32World::Rethrow() {
    if (!failure) return;
    std::exception_ptr error = failure;
    failure = nullptr;
    std::rethrow_exception(error);
}

const ControlResource* FindControl(const DialogResource& resource, int id) {
    const auto found = std::find_if(resource.controls.begin(), resource.controls.end(),
                                    [&](const ControlResource& c) { return c.id == id && id != IDC_STATIC; });
    return found == resource.controls.end() ? nullptr : &*found;
}

