// Dialog data exchange: moves values between controls and members, as MFC's DDX/DDV do.
#pragma once

#include "platform/CWnd.h"

#include <stdexcept>
#include <string>

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}

    // Ends the exchange with a failure: UpdateData answers FALSE and the focus goes back to
    // the last control exchanged.
    [[noreturn]] void Fail();

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    int m_idLastControl = 0;
    bool m_bEditLastControl = false;  // Fail selects the whole text of an edit
};

// Thrown by CDataExchange::Fail and caught by UpdateData.
struct DataExchangeFailure {};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
// An empty or non-numeric text fails the exchange when saving, as MFC's does.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars);
// The radio group starts at nIDC and runs to the next control with WS_GROUP; value is the
// index of the checked button, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
