// Tool tips over a dialog's controls.
#pragma once

#include "platform/CWnd.h"

#include <string>

class CToolTipCtrl {
public:
    BOOL Create(CWnd* pParentWnd);
    BOOL AddTool(CWnd* pWnd, const std::string& text);

private:
    CWnd* parent_ = nullptr;
    HWND tip_ = nullptr;  // the tool-tip window, where the backend has one
};
