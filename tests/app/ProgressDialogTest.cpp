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
    int Ticked() { return progress_.ActivityPosition(); }

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
        progress_.Tick();
        EXPECT_EQ(Ticked(), tick);
    }
    progress_.Tick();  // the eleventh starts the bar over
    EXPECT_EQ(Ticked(), 1);
    progress_.Tick();
    EXPECT_EQ(Ticked(), 2);
}

TEST_F(ProgressDialogTest, SweepLeavesTheTickCounter) {
    progress_.ResetActivity();
    progress_.Tick();
    progress_.Tick();
    now += ProgressDialog::kFrameInterval;
    progress_.Sweep();
    EXPECT_EQ(Activity(), 1);  // eleven steps over ten: the bar passes its top and starts over
    // Eight more ticks end the cycle the first two began; the ninth starts the bar over.
    for (int tick = 0; tick < 9; ++tick) progress_.Tick();
    EXPECT_EQ(Ticked(), 1);
    now += ProgressDialog::kFrameInterval;
    progress_.FillActivity();
    EXPECT_EQ(Activity(), 10);
    progress_.Tick();
    EXPECT_EQ(Ticked(), 1);
}

// The clock is looked at every kTicksPerLook ticks; a frame follows when its interval has passed.
TEST_F(ProgressDialogTest, BarsReachTheWindowOncePerFrame) {
    constexpr int look = ProgressDialog::kTicksPerLook;
    progress_.ResetActivity();
    for (int tick = 0; tick < 2 * look; ++tick) progress_.Tick();
    EXPECT_EQ(Activity(), 0);  // looked twice, no frame due
    now += ProgressDialog::kFrameInterval;
    for (int tick = 0; tick < look - 1; ++tick) progress_.Tick();
    EXPECT_EQ(Activity(), 0);  // due, but not looked at yet
    progress_.Tick();
    EXPECT_EQ(Activity(), Ticked());
    const int shown = Ticked();
    now += ProgressDialog::kFrameInterval - 1;
    for (int tick = 0; tick < look; ++tick) progress_.Tick();
    EXPECT_EQ(Activity(), shown);  // the next frame is a whole interval after the last
    now += 1;
    for (int tick = 0; tick < look; ++tick) progress_.Tick();
    EXPECT_EQ(Activity(), Ticked());
    EXPECT_NE(Activity(), shown);
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
