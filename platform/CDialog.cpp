// CDialog over any backend: MFC's default handlers, the modal loop and the owner's state.
#include "platform/CDialog.h"

#include "platform/DialogWindow.h"
#include "platform/FrameworkObserver.h"
#include "platform/SystemServices.h"

CDialog::CDialog(const DialogResource& resource, CWnd* pParentWnd) : resource_(resource), parent_(pParentWnd) {}

CDialog::~CDialog() {
    // The subclass is gone: the window goes without OnDestroy, as MFC's destructor does it.
    if (!m_hWnd) return;
    ForgetDialogWindow(*this);
    Observer().DialogDestroyed(*this);
}

HWND CDialog::OwnerWindow() const {
    const HWND parent = parent_ ? parent_->GetSafeHwnd() : nullptr;
    return parent && platform::IsWindow(parent) ? parent : nullptr;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd) return -1;
    modal_ = true;
    ending_ = false;
    result_ = -1;
    const HWND owner = OwnerWindow();
    CWnd* ownerWindow = owner ? CWnd::FromHandle(owner) : nullptr;
    const bool disablesOwner = ownerWindow && ownerWindow->IsWindowEnabled();
    if (disablesOwner) ownerWindow->EnableWindow(FALSE);
    // The owner is enabled again before the window goes, so that Windows activates it.
    const auto enableOwner = [&] {
        if (disablesOwner) ownerWindow->EnableWindow(TRUE);
    };
    try {
        if (!CreateDialogWindow(*this, owner)) {
            enableOwner();
            return -1;
        }
        if (!ending_) RunModalLoop();
    } catch (...) {
        enableOwner();
        if (m_hWnd) ForgetDialogWindow(*this);
        throw;
    }
    if (!m_hWnd) {  // the program destroyed it while it ran
        enableOwner();
        return -1;
    }
    Observer().DialogEnded(*this, result_);
    enableOwner();
    DestroyWindow();
    return result_;
}

void CDialog::RunModalLoop() {
    MSG msg{};
    while (!ending_ && m_hWnd) {
        if (!platform::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!Observer().ModalIdle(*this)) platform::WaitMessage();
            continue;
        }
        if (FromWindow(msg.hwnd) == this && PreTranslateMessage(&msg)) continue;
        if (!platform::IsDialogMessage(m_hWnd, &msg)) platform::DispatchMessage(&msg);
    }
}

BOOL CDialog::Create(CWnd* pParentWnd) {
    if (m_hWnd) return FALSE;
    if (pParentWnd) parent_ = pParentWnd;
    modal_ = false;
    if (!CreateDialogWindow(*this, OwnerWindow())) return FALSE;
    if (IsWindowVisible()) Observer().DialogShown(*this, true);
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    if (!m_hWnd) return;
    result_ = nResult;
    if (modal_) {
        ending_ = true;
        return;
    }
    Observer().DialogEnded(*this, nResult);
    HideDialogWindow(*this);
}

BOOL CDialog::InitDialogFromSystem() {
    const HWND hwnd = m_hWnd;
    const BOOL focusFirst = OnInitDialog();
    if (m_hWnd == hwnd) Observer().DialogOpened(*this);
    return focusFirst;
}

CWnd* CDialog::TemporaryWrapper(HWND control) {
    for (const auto& wrapper : temporaries_) {
        if (wrapper->m_hWnd == control) return wrapper.get();
    }
    temporaries_.push_back(std::make_unique<CWnd>(control));
    return temporaries_.back().get();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(UINT id) {
    if (id == IDOK) {
        OnOK();
        return TRUE;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}
