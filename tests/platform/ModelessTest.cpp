#include "platform/CControls.h"
#include "platform/CDataExchange.h"
#include "platform/CDialog.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr ControlResource kBars[] = {
    {1019, ControlKind::ProgressBar, "", 5, 6, 211, 22, WS_CHILD | WS_VISIBLE | WS_BORDER | PBS_SMOOTH},
    {1024, ControlKind::ProgressBar, "", 5, 29, 211, 10, WS_CHILD | WS_VISIBLE | WS_BORDER},
};
constexpr DialogResource kProgress{131, "集計中", "ＭＳ Ｐゴシック", 9, 221, 44,
                                   WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SYSMODAL, kBars};

struct ProgressWindow : CDialog {
    ProgressWindow() : CDialog(kProgress) {}
    CProgressCtrl main, activity;
    int destroyed = 0;
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 1024, activity);
        DDX_Control(pDX, 1019, main);
    }
    void OnDestroy() override {
        CDialog::OnDestroy();
        ++destroyed;
    }
};

}  // namespace

TEST(ModelessDialog, ProgressBarsAndTheWindowsLife) {
    Session session("");
    ProgressWindow window;
    ASSERT_TRUE(window.Create());
    EXPECT_FALSE(window.IsWindowVisible());  // hidden: the resource has no WS_VISIBLE
    EXPECT_EQ(window.GetDlgItem(1019), &window.main);

    window.main.SetRange(0, 1000);
    window.main.SetStep(1);
    EXPECT_EQ(window.main.SetPos(0), 0);
    for (int i = 0; i < 251; ++i) window.main.StepIt();
    EXPECT_EQ(window.main.GetPos(), 251);
    EXPECT_EQ(window.main.SetPos(5000), 251);
    EXPECT_EQ(window.main.GetPos(), 1000);  // clamped to the range

    window.activity.SetRange(0, 10);
    EXPECT_EQ(window.activity.SetStep(1), 10);
    window.activity.SetPos(0);
    for (int i = 0; i < 10; ++i) window.activity.StepIt();
    EXPECT_EQ(window.activity.GetPos(), 10);
    EXPECT_EQ(window.activity.StepIt(), 10);
    EXPECT_EQ(window.activity.GetPos(), 1);  // past the upper end it starts over
    int lower = -1, upper = -1;
    window.activity.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 10);

    window.ShowWindow(SW_SHOW);
    window.ShowWindow(SW_SHOW);  // no change, no event
    window.SetWindowText("集計中 25％");
    window.UpdateWindow();
    window.EndDialog(1);
    EXPECT_FALSE(window.IsWindowVisible());
    EXPECT_TRUE(window.DestroyWindow());
    EXPECT_EQ(window.destroyed, 1);
    EXPECT_EQ(window.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(window.DestroyWindow());

    const auto events = Events();
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0]["action"], "open");
    EXPECT_EQ(events[0]["controls"]["1019"], (nlohmann::json{{"text", ""}, {"enabled", true}}));
    EXPECT_EQ(events[1], (nlohmann::json{{"event", "dialog"}, {"id", 131}, {"action", "show"}}));
    EXPECT_EQ(events[2], (nlohmann::json{{"event", "caption"}, {"id", 131}, {"text", Utf8(u8"集計中 25％")}}));
    EXPECT_EQ(events[3]["action"], "end");
    EXPECT_EQ(events[3]["code"], 1);
    EXPECT_EQ(events[4]["action"], "destroy");
}

TEST(ModelessDialog, OwnsMessageBoxesWhileHiddenAndDiesWithItsObject) {
    Session session("");
    {
        ProgressWindow window;
        window.Create();
        window.MessageBox("終了しました。", "消費税", MB_OK | MB_ICONINFORMATION);
    }
    const auto events = Events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1]["owner"], 131);
    EXPECT_EQ(events[1]["icon"], "information");
    EXPECT_EQ(events[2]["action"], "destroy");
}
