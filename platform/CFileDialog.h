// The platform's save-file (or open-file) dialog.
#pragma once

#include "platform/CWnd.h"

#include <string>

struct SaveDialogEvent;

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
    // What the transcript reports of the dialog as it opens.
    SaveDialogEvent OpeningEvent() const;

    BOOL open_;
    std::string defExt_;
    std::string fileName_;
    std::string filter_;
    CWnd* parent_;
    std::string pathName_;
};
