// The platform's save-file (or open-file) dialog.
#pragma once

#include "platform/CWnd.h"

#include <optional>
#include <string>
#include <vector>

// What a file dialog showed and what came of it.
struct SaveDialogEvent {
    std::string title;
    std::string filter;
    std::string defext;
    std::string folder;
    std::string file;
    DWORD flags = 0;
    std::optional<std::string> answer;  // the chosen path, nullopt when cancelled
    std::vector<std::string> refused;   // paths the dialog refused before the answer
};


struct OPENFILENAME {
    const char* lpstrTitle = nullptr;
    const char* lpstrInitialDir = nullptr;
    DWORD Flags = 0;
};

class CFileDialog {
public:
    // filter: "Text (*.txt)|*.txt||" as MFC takes it.
    CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName, DWORD dwFlags,
                const char* lpszFilter, CWnd* pParentWnd = nullptr);

    // IDOK when the user chose a path, IDCANCEL otherwise.
    INT_PTR DoModal();
    std::string GetPathName() const { return pathName_; }

    OPENFILENAME m_ofn;

private:
    // What the dialog shows as it opens.
    SaveDialogEvent OpeningEvent() const;

    BOOL open_;
    std::string defExt_;
    std::string fileName_;
    std::string filter_;
    CWnd* parent_;
    std::string pathName_;
};
