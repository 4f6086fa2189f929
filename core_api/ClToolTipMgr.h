// Tool tips over a dialog's controls; the dialog owns one instance for its lifetime.
#pragma once

#include "platform/CToolTipCtrl.h"
#include "platform/CWnd.h"

struct StTOOLTIPINFO {
    int controlId;
    const char* text;  // CP932
    int flag;
};

class ClToolTipMgr {
public:
    ClToolTipMgr() = default;
    virtual ~ClToolTipMgr() = default;
    ClToolTipMgr(const ClToolTipMgr&) = delete;
    ClToolTipMgr& operator=(const ClToolTipMgr&) = delete;

    // Registers count entries for the controls of dialog; TRUE when every one was registered.
    BOOL Init(CWnd* dialog, const StTOOLTIPINFO* entries, int count);

private:
    CToolTipCtrl toolTip_;
};
