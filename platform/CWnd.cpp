// The backend-independent part of CWnd: data exchange and the default hooks.
#include "platform/CWnd.h"

#include "platform/CDataExchange.h"

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
