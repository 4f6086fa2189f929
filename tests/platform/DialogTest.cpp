#include "platform/CFileDialog.h"
#include "platform/CToolTipCtrl.h"
#include "platform/WorldError.h"
#include "TestDialog.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Runs the test dialog with the script; answers the error text of a WorldError, else "".
std::string RunFailing(const std::string& script) {
    Session session(script);
    TestDialog dialog;
    try {
        dialog.DoModal();
    } catch (const WorldError& error) {
        return error.what();
    }
    return "";
}

}  // namespace

TEST(ModalDialog, ScriptDrivesTheDialogAndTheTranscriptShowsIt) {
    Session session("text 101 1a2b3\n" + Utf8(u8"text 102 C:\\出力\\a.xml\n") + "click 104\nkey F12\nanswer yes\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), kExecute);
    EXPECT_EQ(dialog.month, "12");  // the letters are refused, the third digit passes the limit
    EXPECT_EQ(dialog.path, "C:\\出力\\a.xml");
    EXPECT_EQ(dialog.choice, 1);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);

    const auto events = Events();
    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(events[0]["event"], "dialog");
    EXPECT_EQ(events[0]["action"], "open");
    EXPECT_EQ(events[0]["id"], 200);
    const auto& controls = events[0]["controls"];
    EXPECT_FALSE(controls.contains("-1"));  // labels the program never addresses
    EXPECT_EQ(controls["101"], (nlohmann::json{{"text", "4"}, {"enabled", true}}));
    EXPECT_EQ(controls["103"]["checked"], true);
    EXPECT_EQ(controls["105"]["text"], Utf8(u8"実行(F12)"));
    EXPECT_EQ(controls["107"]["enabled"], false);
    // One focus event each time the script takes over and the focus or selection moved.
    EXPECT_EQ(events[1], (nlohmann::json{{"event", "focus"}, {"id", 200}, {"control", 101}, {"selectAll", true}}));
    EXPECT_EQ(events[2], (nlohmann::json{{"event", "focus"}, {"id", 200}, {"control", 101}, {"selectAll", false}}));
    EXPECT_EQ(events[3]["control"], 102);
    EXPECT_EQ(events[4]["control"], 104);
    EXPECT_EQ(events[5], (nlohmann::json{{"event", "msgbox"}, {"owner", 200}, {"caption", Utf8(u8"消費税")},
                                         {"text", Utf8(u8"実行しますか？")}, {"icon", "question"},
                                         {"buttons", "yesno"}, {"answer", "yes"}}));
    EXPECT_EQ(events[6]["action"], "end");
    EXPECT_EQ(events[6]["code"], kExecute);
    EXPECT_EQ(events[6]["controls"]["101"]["text"], "12");
    EXPECT_EQ(events[6]["controls"]["104"]["checked"], true);
    EXPECT_EQ(events[6]["controls"]["103"]["checked"], false);
}

TEST(ModalDialog, FocusEventsAreCoalesced) {
    Session session("text 102 a\ntext 102 b\nkey Enter 102\nkey Esc\n");
    TestDialog dialog;
    dialog.DoModal();
    const auto focus = Events("focus");
    ASSERT_EQ(focus.size(), 2u);  // the month edit at the start, the path edit once
    EXPECT_EQ(focus[1]["control"], kPath);
}

TEST(ModalDialog, KeysGoThroughPreTranslateThenTheDefaultHandling) {
    // Enter on the month edit is the dialog's; Enter on the path edit ends nothing; F12 with
    // shift is not the dialog's and the platform does nothing with it; Esc cancels.
    Session session("key Enter 101\nkey Enter\nkey shift+F12\nkey Esc\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.commands, std::vector<UINT>{IDCANCEL});
    const auto focus = Events("focus");
    ASSERT_EQ(focus.size(), 2u);
    EXPECT_EQ(focus[1]["control"], kPath);
    EXPECT_EQ(focus[1]["selectAll"], true);
    EXPECT_EQ(platform::GetKeyState(VK_SHIFT), 0);
}

TEST(ModalDialog, EnterOnAPushButtonClicksIt) {
    Session session("key Enter 106\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.commands, std::vector<UINT>{kCancel});
}

TEST(ModalDialog, OkOnlyBoxNeedsNoLineAndFocusReturns) {
    Session session("text 101\nkey F12\nkey Esc\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const auto boxes = Events("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]["answer"], "ok");
    EXPECT_EQ(boxes[0]["icon"], "warning");
    EXPECT_EQ(boxes[0]["buttons"], "ok");
    const auto focus = Events("focus");
    EXPECT_EQ(focus.back()["control"], kMonth);
    EXPECT_EQ(focus.back()["selectAll"], true);
}

TEST(ModalDialog, EndOfScriptClosesLikeTheCloseBox) {
    Session session("text 101 7\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.commands, std::vector<UINT>{IDCANCEL});
    EXPECT_EQ(Events("dialog").back()["code"], IDCANCEL);
}

TEST(ModalDialog, ScriptErrorsNameTheProblemAndTheLine) {
    EXPECT_NE(RunFailing("click 107\n").find("line 1: control 107 of dialog 200 is disabled"), std::string::npos);
    EXPECT_NE(RunFailing("\nclick 999\n").find("line 2: dialog 200 has no control 999"), std::string::npos);
    EXPECT_NE(RunFailing("click 109\n").find("line 1: control 109 of dialog 200 is hidden"), std::string::npos);
    EXPECT_NE(RunFailing("text 105 x\n").find("is no edit"), std::string::npos);
    EXPECT_NE(RunFailing("click 101\n").find("is no button"), std::string::npos);
    EXPECT_NE(RunFailing("clik 105\n").find("line 1"), std::string::npos);
    EXPECT_NE(RunFailing("answer yes\n").find("no message box is open"), std::string::npos);
    EXPECT_NE(RunFailing("save C:\\a\n").find("no save-file dialog"), std::string::npos);
    EXPECT_NE(RunFailing("key F12\nclick 106\n").find("line 2: a question waits"), std::string::npos);
    EXPECT_NE(RunFailing("key F12\n").find("script ended while a question waits"), std::string::npos);
    EXPECT_NE(RunFailing("key F12\nanswer ok\n").find("offers yes/no"), std::string::npos);
}

TEST(ModalDialog, ADialogThatWillNotCloseIsAWorldError) {
    Session session("");
    TestDialog dialog;
    dialog.refuseCancel = true;
    EXPECT_THROW(dialog.DoModal(), WorldError);
}

TEST(ModalDialog, TypedTextRespectsTheLimitWithoutSplittingCharacters) {
    struct LimitedDialog : TestDialog {
        BOOL OnInitDialog() override {
            TestDialog::OnInitDialog();
            static_cast<CEdit*>(GetDlgItem(kPath))->SetLimitText(5);
            return FALSE;
        }
    };
    Session session(Utf8(u8"text 102 あいう\nkey Esc\n"));
    LimitedDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(Events("dialog").back()["controls"]["102"]["text"], Utf8(u8"あい"));
}

TEST(ModalDialog, DataExchangeFailureSelectsTheEdit) {
    struct IntDialog : TestDialog {
        int number = 0;
        BOOL ok = TRUE;
        void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, kPath, number); }
        BOOL OnInitDialog() override {
            CDialog::OnInitDialog();
            GetDlgItem(kPath)->SetWindowText(" 12x");
            ok = UpdateData(TRUE);
            EndDialog(IDOK);
            return FALSE;
        }
    };
    Session session("");
    IntDialog dialog;
    dialog.DoModal();
    EXPECT_FALSE(dialog.ok);
    EXPECT_EQ(Events("msgbox").size(), 1u);
    const auto focus = Events("focus");
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0]["control"], kPath);
    EXPECT_EQ(focus[0]["selectAll"], true);
}

TEST(ParentWindow, ForeignHandlesWriteParentEvents) {
    Session session("");
    const HWND parent = reinterpret_cast<HWND>(std::uintptr_t{123});
    CWnd* wrapper = CWnd::FromHandle(parent);
    EXPECT_EQ(wrapper, CWnd::FromHandle(parent));
    wrapper->EnableWindow(FALSE);
    platform::SetForegroundWindow(parent);
    platform::PostMessage(parent, 32769, static_cast<WPARAM>(-1), 2);
    wrapper->EnableWindow(TRUE);
    wrapper->MessageBox("a\nb", "c", MB_OK | MB_ICONINFORMATION);
    platform::MessageBox(nullptr, "d", "c", MB_OK);

    const auto events = Events();
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0], (nlohmann::json{{"event", "parent"}, {"action", "disable"}, {"window", 123}}));
    EXPECT_EQ(events[1]["action"], "foreground");
    EXPECT_EQ(events[2], (nlohmann::json{{"event", "parent"}, {"action", "post"}, {"window", 123},
                                         {"message", 32769}, {"wparam", 4294967295u}, {"lparam", 2}}));
    EXPECT_EQ(events[3]["action"], "enable");
    EXPECT_EQ(events[4]["owner"], 0);
    EXPECT_EQ(events[4]["text"], "a\nb");
    EXPECT_TRUE(events[5]["owner"].is_null());
}

TEST(SaveDialog, RefusedPathsKeepTheDialogOpen) {
    ScratchFolder root;
    std::filesystem::create_directories(root.Host("out"));
    std::ofstream(root.Host("out/old.xml")) << "x";
    Session session("save " + root.Path("missing\\a.xml") + "\nsave new\nsave " + root.Path("out\\OLD") + "\n",
                    root.Drives());
    CFileDialog dialog(FALSE, "xml", "*.xml", OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                       "Xml Files (*.xml)|*.xml||");
    dialog.m_ofn.lpstrTitle = "保存ファイルを指定";
    const std::string folder = root.Path("out\\");
    dialog.m_ofn.lpstrInitialDir = folder.c_str();
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), root.Path("out\\OLD.xml"));
    const auto event = Events("savedialog").at(0);
    EXPECT_EQ(event["title"], Utf8(u8"保存ファイルを指定"));
    EXPECT_EQ(event["filter"], "Xml Files (*.xml)|*.xml||");
    EXPECT_EQ(event["defext"], "xml");
    EXPECT_EQ(event["folder"], folder);
    EXPECT_EQ(event["file"], "*.xml");
    EXPECT_EQ(event["flags"],
              (nlohmann::json{"OFN_HIDEREADONLY", "OFN_NOCHANGEDIR", "OFN_PATHMUSTEXIST", "OFN_FILEMUSTEXIST"}));
    EXPECT_EQ(event["answer"], root.Path("out\\OLD.xml"));
    EXPECT_EQ(event["refused"], (nlohmann::json{root.Path("missing\\a.xml"), root.Path("out\\new.xml")}));
}

TEST(SaveDialog, CancelAnswersNullAndTheDialogNeedsALine) {
    {
        Session session("save-cancel\n");
        CFileDialog dialog(FALSE, "xml", "", 0, "");
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_TRUE(Events("savedialog").at(0)["answer"].is_null());
    }
    Session session("click 1\n");
    CFileDialog dialog(FALSE, "xml", "", 0, "");
    EXPECT_THROW(dialog.DoModal(), WorldError);
}

TEST(ToolTip, WrittenWithItsDialogAndControl) {
    struct TipDialog : TestDialog {
        CToolTipCtrl tips;
        BOOL OnInitDialog() override {
            TestDialog::OnInitDialog();
            tips.Create(this);
            tips.AddTool(GetDlgItem(kSecond), "説明\n二行目");
            return FALSE;
        }
    };
    Session session("");
    TipDialog dialog;
    dialog.DoModal();
    EXPECT_EQ(Events("tooltip").at(0),
              (nlohmann::json{{"event", "tooltip"}, {"id", 200}, {"control", kSecond}, {"text", Utf8(u8"説明\n二行目")}}));
}

// A dialog whose Execute button opens another one, owned by it, modally; it notes its own
// enabled state before, during and after the inner dialog.
class OwningDialog : public TestDialog {
public:
    bool startDisabled = false;
    std::vector<BOOL> enabledStates;

    BOOL OnInitDialog() override {
        if (startDisabled) EnableWindow(FALSE);
        return TestDialog::OnInitDialog();
    }

    BOOL OnCommand(UINT id) override {
        if (id != kExecute) return TestDialog::OnCommand(id);
        enabledStates.push_back(IsWindowEnabled());
        InnerDialog inner(this);
        inner.DoModal();
        enabledStates.push_back(inner.ownerEnabled);
        enabledStates.push_back(IsWindowEnabled());
        return TRUE;
    }

private:
    struct InnerDialog : TestDialog {
        using TestDialog::TestDialog;
        BOOL OnInitDialog() override {
            ownerEnabled = Parent()->IsWindowEnabled();
            return TestDialog::OnInitDialog();
        }
        BOOL ownerEnabled = -1;
    };
};

TEST(ModalLoop, DisablesAnEnabledOwnerForItsLifeAndLeavesADisabledOneDisabled) {
    for (const bool startDisabled : {false, true}) {
        Session session("click 105\nkey Esc\nkey Esc\n");  // Execute, the inner dialog's Esc, the owner's
        OwningDialog owner;
        owner.startDisabled = startDisabled;
        owner.DoModal();
        const std::vector<BOOL> expected =
            startDisabled ? std::vector<BOOL>{FALSE, FALSE, FALSE} : std::vector<BOOL>{TRUE, FALSE, TRUE};
        EXPECT_EQ(owner.enabledStates, expected) << "owner disabled at the start: " << startDisabled;
        EXPECT_EQ(Events("dialog").size(), 4u);  // open and end of each
    }
}

TEST(ModalLoop, AKeysModifiersEndWithTheDialogItEnded) {
    Session session("key shift+Esc\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(platform::GetKeyState(VK_SHIFT), 0);
}

TEST(ModalLoop, TheCallingProgramsWindowIsNoWindowTheLoopTouches) {
    // The run disables the calling program's window itself; the dialog it owns leaves it alone.
    Session session("key Esc\n");
    CWnd* caller = CWnd::FromHandle(reinterpret_cast<HWND>(std::uintptr_t{4660}));
    TestDialog dialog(caller);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(Events("parent").empty());
}

#ifdef _WIN32
// A real window stands for the calling program's: it owns the dialog given it as parent, and
// the run keeps it disabled although a message box it owns enables it again when it ends.
TEST(Owners, ARealCallingWindowOwnsTheDialogAndStaysDisabled) {
    Session session("key Esc\n");
    const HWND caller = ::CreateWindowExW(0, L"STATIC", L"caller", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                          nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(caller, nullptr);
    platform::EnableWindow(caller, FALSE);  // as the run does at its start
    platform::MessageBox(caller, "text", "caption", MB_OK);
    EXPECT_FALSE(::IsWindowEnabled(caller));

    struct OwnerProbe : TestDialog {
        using TestDialog::TestDialog;
        HWND owner = nullptr;
        BOOL OnInitDialog() override {
            owner = ::GetWindow(m_hWnd, GW_OWNER);
            return TestDialog::OnInitDialog();
        }
    } dialog(CWnd::FromHandle(caller));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.owner, caller);
    EXPECT_FALSE(::IsWindowEnabled(caller));  // the loop leaves a disabled owner alone
    EXPECT_EQ(Events("msgbox").at(0)["owner"], 0);  // the calling program's window
    ::DestroyWindow(caller);
}
#endif
