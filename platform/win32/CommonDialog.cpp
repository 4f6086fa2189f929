#include "platform/win32/CommonDialog.h"

#include <commdlg.h>

std::optional<std::wstring> ShowFileDialog(const FileDialogRequest& request) {
    std::wstring file = request.file;
    file.resize(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = request.owner;
    ofn.lpstrFilter = request.filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = request.folder.empty() ? nullptr : request.folder.c_str();
    ofn.lpstrTitle = request.title.c_str();
    ofn.lpstrDefExt = request.defExt.empty() ? nullptr : request.defExt.c_str();
    ofn.Flags = request.flags | OFN_EXPLORER;
    const BOOL chosen = request.open ? ::GetOpenFileNameW(&ofn) : ::GetSaveFileNameW(&ofn);
    if (!chosen) return std::nullopt;
    return std::wstring(file.c_str());
}
