// The progress window's phases, sweeps and ticks.
#include "app/ProgressDialog.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ProgramRunner.h"

namespace {

class ProgressDialogTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        StartHost();
        progress_.Create();
        progress_.Start();
    }
    ProgressDialog progress_;
};

TEST_F(ProgressDialogTest, FirstPhaseShowsTwentySixCaptions) {
    progress_.Advance(0, 250);
    EXPECT_EQ(progress_.GetCounters().mainBarSteps, 251);
    EXPECT_EQ(progress_.GetCounters().activitySteps, 251 * 11);
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
    progress_.Advance(750, 1000);
    EXPECT_EQ(progress_.GetCounters().mainBarSteps, 1003);
    progress_.Destroy();
    const auto captions = Events("caption");
    EXPECT_EQ(captions.size(), 26u + 51u + 26u);
    EXPECT_EQ(captions.back()["text"], Utf8(u8"集計中 100％"));
}

TEST_F(ProgressDialogTest, TicksCycleThroughElevenSteps) {
    progress_.ResetActivity();
    for (int tick = 1; tick <= 10; ++tick) {
        progress_.Tick();
        EXPECT_EQ(progress_.ActivityPosition(), tick);
    }
    const int bringsBefore = progress_.GetCounters().bringToTop;
    progress_.Tick();
    EXPECT_EQ(progress_.ActivityCounter(), 0);
    EXPECT_EQ(progress_.ActivityPosition(), 1);
    EXPECT_EQ(progress_.GetCounters().bringToTop, bringsBefore + 1);
    progress_.Tick();
    EXPECT_EQ(progress_.ActivityPosition(), 2);
}

TEST_F(ProgressDialogTest, SweepLeavesTheTickCounter) {
    progress_.ResetActivity();
    progress_.Tick();
    progress_.Tick();
    progress_.Sweep();
    EXPECT_EQ(progress_.ActivityCounter(), 2);
    progress_.FillActivity();
    EXPECT_EQ(progress_.ActivityCounter(), 10);
    progress_.Tick();
    EXPECT_EQ(progress_.ActivityPosition(), 1);
}

TEST_F(ProgressDialogTest, ClosedWindowStillOwnsMessages) {
    progress_.Close();
    progress_.MessageBox("x", "消費税", MB_OK);
    progress_.Destroy();
    EXPECT_EQ(Events("msgbox").front()["owner"], 131);
}

}  // namespace
