// The progress window's phases, sweeps and ticks, as the window shows them: its captions in the
// transcript and the positions of its two bars, handed to the window at screen rate by a clock
// the tests move by hand.
#include "app/ProgressDialog.h"
#include "resources/ResourceIds.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ProgramRunner.h"

#include <cstdint>

namespace {

std::uint64_t now = 0;

class ProgressDialogTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        StartHost();
        now = 1000;
        progress_.Create();
        progress_.Start();
    }
    int Position(int bar) { return static_cast<CProgressCtrl*>(progress_.GetDlgItem(bar))->GetPos(); }
    int Activity() { return Position(IDC_ACTIVITY_BAR); }
    // A tick once a frame is due: the window shows every one.
    void TickAFrameLater() {
        now += ProgressDialog::kFrameInterval;
        progress_.Tick();
    }

    ProgressDialog progress_{nullptr, [] { return now; }};
};

TEST_F(ProgressDialogTest, FirstPhaseShowsTwentySixCaptions) {
    progress_.Advance(0, 250);
    EXPECT_EQ(Position(IDC_MAIN_BAR), 251);  // the clock stood still: the phase's end showed it
    progress_.Destroy();
    const auto captions = Events("caption");
    ASSERT_EQ(captions.size(), 26u);
    EXPECT_EQ(captions.front()["text"], Utf8(u8"集計中 0％"));
    EXPECT_EQ(captions.back()["text"], Utf8(u8"集計中 25％"));
    EXPECT_EQ(captions.front()["id"], 131);
}

TEST_F(ProgressDialogTest, ThreePhasesRunTheBoundariesTwiceAndStopAtTheTop) {
    progress_.Advance(0, 250);
    progress_.Advance(250, 750);
    EXPECT_EQ(Position(IDC_MAIN_BAR), 752);
    progress_.Advance(750, 1000);
    EXPECT_EQ(Position(IDC_MAIN_BAR), 1000);
    int lower = 0, upper = 0;
    static_cast<CProgressCtrl*>(progress_.GetDlgItem(IDC_ACTIVITY_BAR))->GetRange(lower, upper);
    EXPECT_EQ(upper, 10);
    progress_.Destroy();
    const auto captions = Events("caption");
    EXPECT_EQ(captions.size(), 26u + 51u + 26u);
    EXPECT_EQ(captions.back()["text"], Utf8(u8"集計中 100％"));
}

TEST_F(ProgressDialogTest, TicksCycleThroughElevenSteps) {
    progress_.ResetActivity();
    for (int tick = 1; tick <= 10; ++tick) {
        TickAFrameLater();
        EXPECT_EQ(Activity(), tick);
    }
    TickAFrameLater();  // the eleventh starts the bar over
    EXPECT_EQ(Activity(), 1);
    TickAFrameLater();
    EXPECT_EQ(Activity(), 2);
}

TEST_F(ProgressDialogTest, SweepLeavesTheTickCounter) {
    progress_.ResetActivity();
    TickAFrameLater();
    TickAFrameLater();
    now += ProgressDialog::kFrameInterval;
    progress_.Sweep();
    EXPECT_EQ(Activity(), 1);  // eleven steps over ten: the bar passes its top and starts over
    // Eight more ticks end the cycle the first two began; the ninth starts the bar over.
    for (int tick = 0; tick < 9; ++tick) TickAFrameLater();
    EXPECT_EQ(Activity(), 1);
    now += ProgressDialog::kFrameInterval;
    progress_.FillActivity();
    EXPECT_EQ(Activity(), 10);
    TickAFrameLater();
    EXPECT_EQ(Activity(), 1);
}

TEST_F(ProgressDialogTest, BarsReachTheWindowOncePerFrame) {
    progress_.ResetActivity();
    for (int tick = 0; tick < 5; ++tick) progress_.Tick();
    EXPECT_EQ(progress_.ActivityPosition(), 5);
    EXPECT_EQ(Activity(), 0);  // no frame due yet
    now += ProgressDialog::kFrameInterval - 1;
    progress_.Tick();
    EXPECT_EQ(Activity(), 0);
    now += 1;
    progress_.Tick();
    EXPECT_EQ(Activity(), 7);
    progress_.Tick();  // the next frame is a whole interval away again
    EXPECT_EQ(Activity(), 7);
}

TEST_F(ProgressDialogTest, CloseShowsTheLastState) {
    progress_.Advance(0, 250);
    for (int tick = 0; tick < 3; ++tick) progress_.Tick();
    EXPECT_EQ(Activity(), 1);  // what the phase's last sweep left
    progress_.Close();
    EXPECT_EQ(Activity(), 4);
    EXPECT_EQ(Position(IDC_MAIN_BAR), 251);
}

TEST_F(ProgressDialogTest, ClosedWindowStillOwnsMessages) {
    progress_.Close();
    progress_.MessageBox("x", "消費税", MB_OK);
    progress_.Destroy();
    EXPECT_EQ(Events("msgbox").front()["owner"], 131);
}

}  // namespace
