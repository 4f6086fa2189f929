// Modal and modeless dialogs built from a DialogResource, with MFC's hooks.
#pragma once

#include "platform/CWnd.h"
#include "platform/DialogResource.h"

class CDialog : public CWnd {
public:
    CDialog(const DialogResource& resource, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modal: creates the window, runs OnInitDialog and then the backend's message loop until
    // EndDialog; answers the code given to EndDialog, or -1 when the window cannot be made.
    virtual INT_PTR DoModal();
    // Modeless: creates the window (hidden unless the resource has WS_VISIBLE) and runs
    // OnInitDialog; the window lives until DestroyWindow.
    virtual BOOL Create(CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // IDOK and IDCANCEL go to OnOK and OnCancel; the rest is the subclass's.
    BOOL OnCommand(UINT id) override;

    // The focused control's text is selected whole when the focus comes by the keyboard.
    void GotoDlgCtrl(CWnd* pWndCtrl);
    BOOL CheckRadioButton(int idFirst, int idLast, int idCheck);

    const DialogResource& Resource() const { return resource_; }
    CWnd* Parent() const { return parent_; }

private:
    const DialogResource& resource_;
    CWnd* parent_;
};
