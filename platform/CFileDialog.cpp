// The parts of the file dialog that every backend shares.
#include "platform/CFileDialog.h"


CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName, DWORD dwFlags,
                         const char* lpszFilter, CWnd* pParentWnd)
    : open_(bOpenFileDialog),
      defExt_(lpszDefExt ? lpszDefExt : ""),
      fileName_(lpszFileName ? lpszFileName : ""),
      filter_(lpszFilter ? lpszFilter : ""),
      parent_(pParentWnd) {
    m_ofn.Flags = dwFlags;
}

SaveDialogEvent CFileDialog::OpeningEvent() const {
    SaveDialogEvent event;
    event.title = m_ofn.lpstrTitle ? m_ofn.lpstrTitle : (open_ ? "開く" : "名前を付けて保存");
    event.filter = filter_;
    event.defext = defExt_;
    event.folder = m_ofn.lpstrInitialDir ? m_ofn.lpstrInitialDir : "";
    event.file = fileName_;
    event.flags = m_ofn.Flags;
    return event;
}
