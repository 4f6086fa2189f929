// The common controls, each a thin wrapper over its window handle (attached by DDX_Control).
#pragma once

#include "platform/CWnd.h"

class CEdit : public CWnd {
public:
    // Selects characters start..end; (0, -1) selects the whole text.
    void SetSel(int nStartChar, int nEndChar);
    // The selection's start and end, in bytes of the text.
    void GetSel(int& nStartChar, int& nEndChar) const;
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
};

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int nCheck);
};

class CStatic : public CWnd {};

class CProgressCtrl : public CWnd {
public:
    void SetRange(short nLower, short nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    int SetStep(int nStep);
    int SetPos(int nPos);
    int GetPos() const;
    // Advances by the step, wrapping to the lower end past the upper end as Windows does.
    int StepIt();
};
