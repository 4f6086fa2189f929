// The system's open and save-file dialogs (commdlg.h stays in CommonDialog.cpp: its
// OPENFILENAME would meet the framework's own).
#pragma once

#include "platform/WinTypes.h"

#include <optional>
#include <string>

struct FileDialogRequest {
    bool open = false;
    HWND owner = nullptr;
    std::wstring title;
    std::wstring filter;  // pairs separated by NULs, ending in two
    std::wstring defExt;
    std::wstring folder;
    std::wstring file;
    DWORD flags = 0;      // OFN_ options
};

// The chosen path, nullopt when the dialog was cancelled.
std::optional<std::wstring> ShowFileDialog(const FileDialogRequest& request);
