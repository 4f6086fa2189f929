// A small dialog from a resource table, with the shapes of the program's dialogs: a
// digits-only edit of two characters, a path edit, a radio group, Execute (F12) and Cancel.
#pragma once

#include "platform/CControls.h"
#include "platform/CDataExchange.h"
#include "platform/CDialog.h"
#include "platform/SystemServices.h"

#include <vector>

inline constexpr int kMonth = 101, kPath = 102, kFirst = 103, kSecond = 104, kExecute = 105, kCancel = 106,
                     kDisabled = 107, kLabel = 108, kHidden = 109;

inline constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
inline constexpr ControlResource kTestControls[] = {
    {IDC_STATIC, ControlKind::Static, "月", 0, 0, 10, 10, kShown | SS_LEFT},
    {kMonth, ControlKind::Edit, "", 0, 0, 10, 10, kShown | WS_TABSTOP | ES_NUMBER | ES_RIGHT},
    {kPath, ControlKind::Edit, "", 0, 0, 10, 10, kShown | WS_TABSTOP | ES_AUTOHSCROLL},
    {kFirst, ControlKind::RadioButton, "一", 0, 0, 10, 10, kShown | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON},
    {kSecond, ControlKind::RadioButton, "二", 0, 0, 10, 10, kShown | BS_AUTORADIOBUTTON},
    {kExecute, ControlKind::PushButton, "実行(F12)", 0, 0, 10, 10, kShown | WS_TABSTOP | WS_GROUP},
    {kCancel, ControlKind::PushButton, "キャンセル", 0, 0, 10, 10, kShown | WS_TABSTOP},
    {kDisabled, ControlKind::PushButton, "無効", 0, 0, 10, 10, kShown | WS_TABSTOP | WS_DISABLED},
    {kLabel, ControlKind::Static, "", 0, 0, 10, 10, kShown | SS_LEFT},
    {kHidden, ControlKind::PushButton, "隠し", 0, 0, 10, 10, WS_CHILD | WS_TABSTOP},  // no WS_VISIBLE
};

inline constexpr DialogResource kTestDialog{200, "テスト", "ＭＳ Ｐゴシック", 9, 100, 100,
                                            WS_POPUP | WS_CAPTION | DS_MODALFRAME, kTestControls};

class TestDialog : public CDialog {
public:
    explicit TestDialog(CWnd* parent = nullptr) : CDialog(kTestDialog, parent) {}

    std::string month = "4";
    std::string path;
    int choice = 0;
    std::vector<UINT> commands;
    bool refuseCancel = false;
    CEdit monthEdit;

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kMonth, monthEdit);
        DDX_Text(pDX, kMonth, month);
        DDV_MaxChars(pDX, month, 2);
        DDX_Text(pDX, kPath, path);
        DDX_Radio(pDX, kFirst, choice);
    }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        GotoDlgCtrl(&monthEdit);
        return FALSE;
    }

    // F12 anywhere and Enter on the month edit, without modifiers, as the program's dialogs do.
    BOOL PreTranslateMessage(MSG* pMsg) override {
        const bool plain = platform::GetKeyState(VK_SHIFT) >= 0 && platform::GetKeyState(VK_CONTROL) >= 0 &&
                           platform::GetKeyState(VK_MENU) >= 0;
        if (pMsg->message == WM_KEYDOWN && plain) {
            if (pMsg->wParam == VK_F12) {
                Execute();
                return TRUE;
            }
            if (pMsg->wParam == VK_RETURN && GetFocusWnd() == &monthEdit) {
                GotoDlgCtrl(GetDlgItem(kPath));
                return TRUE;
            }
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

    BOOL OnCommand(UINT id) override {
        commands.push_back(id);
        if (id == kExecute) Execute();
        if (id == kCancel) OnCancel();
        return id == kExecute || id == kCancel ? TRUE : CDialog::OnCommand(id);
    }

    void OnCancel() override {
        if (!refuseCancel) CDialog::OnCancel();
    }

    void Execute() {
        UpdateData(TRUE);
        if (month.empty()) {
            MessageBox("月を入力してください。", "消費税", MB_OK | MB_ICONWARNING);
            GotoDlgCtrl(&monthEdit);
            return;
        }
        if (MessageBox("実行しますか？", "消費税", MB_YESNO | MB_ICONQUESTION) == IDYES) EndDialog(kExecute);
    }
};
