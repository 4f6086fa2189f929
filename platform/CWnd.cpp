// The backend-independent part of CWnd: data exchange and the default hooks.
#include "platform/CWnd.h"

#include "platform/CDataExchange.h"
#include "platform/DialogWindow.h"

#include <map>
#include <memory>

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
        return TRUE;
    } catch (const DataExchangeFailure&) {
        return FALSE;
    }
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnCommand(UINT) { return FALSE; }

void CWnd::OnDestroy() {}

CWnd* ForeignWindow(HWND hwnd) {
    static auto* wrappers = new std::map<HWND, std::unique_ptr<CWnd>>;  // as long as the process
    std::unique_ptr<CWnd>& wrapper = (*wrappers)[hwnd];
    if (!wrapper) wrapper = std::make_unique<CWnd>(hwnd);
    return wrapper.get();
}
