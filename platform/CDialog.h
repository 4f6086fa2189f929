// Modal and modeless dialogs built from a DialogResource, with MFC's hooks. A modal dialog is
// a modeless window in a loop of the framework's own: the owner is disabled only when it was
// enabled and enabled again only when the loop disabled it; every message of the dialog goes to
// PreTranslateMessage before the dialog manager; an empty queue is the observer's turn.
#pragma once

#include "platform/CWnd.h"
#include "platform/DialogResource.h"

#include <memory>
#include <vector>

class CDialog : public CWnd {
public:
    CDialog(const DialogResource& resource, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modal: creates the window, runs OnInitDialog and then the loop until EndDialog; answers
    // the code given to EndDialog, or -1 when the window cannot be made.
    virtual INT_PTR DoModal();
    // Modeless: creates the window (hidden unless the resource has WS_VISIBLE) and runs
    // OnInitDialog; the window lives until DestroyWindow.
    virtual BOOL Create(CWnd* pParentWnd = nullptr);
    // Modal: ends the loop with nResult. Modeless: hides the window, which lives on.
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
    bool IsModal() const { return modal_; }
    // EndDialog has ended the modal loop (or ended the dialog in its initialisation).
    bool IsEnding() const { return ending_; }

    // For the backends. WM_INITDIALOG: OnInitDialog, then the observer hears of the open
    // dialog (unless the initialisation destroyed it).
    BOOL InitDialogFromSystem();
    // The program's dialog that is this window or holds this control; nullptr for any other
    // window (a system dialog, another program's window).
    static CDialog* FromWindow(HWND hwnd);
    // GetDlgItem's wrapper of a control the program has not attached; it lives as long as the
    // dialog's window.
    CWnd* TemporaryWrapper(HWND control);
    void ForgetTemporaryWrappers() { temporaries_.clear(); }

private:
    // The window given as parent when it is a real window, else none.
    HWND OwnerWindow() const;
    void RunModalLoop();

    const DialogResource& resource_;
    CWnd* parent_;
    bool modal_ = false;
    bool ending_ = false;  // EndDialog ended the modal loop
    int result_ = -1;
    std::vector<std::unique_ptr<CWnd>> temporaries_;
};
