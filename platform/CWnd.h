// A window of the framework: a thin wrapper over a window handle, as MFC's CWnd is. The state
// of a window (text, enabled, checked, focus) lives in the backend, never in this object.
#pragma once

#include "platform/WinTypes.h"

#include <string>

class CDataExchange;

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // A wrapper for a window the program did not create (the calling program's window);
    // the wrapper lives as long as the process.
    static CWnd* FromHandle(HWND hWnd);

    HWND GetSafeHwnd() const { return m_hWnd; }
    int GetDlgCtrlID() const;
    CWnd* GetDlgItem(int id) const;
    // Attaches this wrapper to control nID of pParent (DDX_Control): GetDlgItem, GetFocusWnd
    // and FromHandle answer this object for that control from then on. The wrapper must live
    // as long as the control's window, as in MFC.
    BOOL SubclassDlgItem(int nID, CWnd* pParent);

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    int GetWindowTextLength() const { return static_cast<int>(GetWindowText().size()); }
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    CWnd* SetFocus();
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    // Repaints at once (UpdateWindow after an invalidation).
    void UpdateWindow();
    void BringWindowToTop();
    BOOL SetForegroundWindow();
    BOOL DestroyWindow();

    // A message box owned by this window.
    int MessageBox(const char* text, const char* caption, UINT type = MB_OK);

    // Moves data between the controls and the members through DoDataExchange.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);
    // Key messages pass here before the dialog's own handling; TRUE means handled.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // WM_COMMAND: a click on button id. TRUE means handled.
    virtual BOOL OnCommand(UINT id);
    // WM_DESTROY, after the backend has destroyed the window's controls.
    virtual void OnDestroy();

    HWND m_hWnd = nullptr;
};

// The window that has the keyboard focus, or nullptr.
CWnd* GetFocusWnd();
