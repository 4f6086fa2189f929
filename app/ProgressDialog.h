// The modeless progress window of the journal aggregation: the main bar shows the three
// phases, the activity bar ticks once per record read. There is no message loop while it is
// up, and a record is read in well under a microsecond while every call on the window may cost
// a round trip to the window system: the window keeps the bars' positions as its own state and
// hands them over when a frame is due (screen rate), at each phase's end and when it closes.
// Each caption is set at once: there are only 103, and each is one a person should see.
#pragma once

#include "aggregate/AggregationContext.h"
#include "platform/CControls.h"
#include "platform/CDialog.h"
#include "platform/SystemServices.h"

#include <cstdint>

class ProgressDialog : public CDialog, public ActivityIndicator {
public:
    // Milliseconds of a monotonic clock.
    using Clock = std::uint64_t (*)();
    // The bars and the repaint: every step of Windows' 15.6 ms clock tick is a frame.
    static constexpr std::uint64_t kFrameInterval = 15;
    static constexpr std::uint64_t kFrontInterval = 250;  // the front, and the system's hung check
    // Ticks between two looks at the clock: a look can cost more than a tick's own work.
    static constexpr int kTicksPerLook = 16;

    explicit ProgressDialog(CWnd* pParentWnd = nullptr, Clock clock = platform::GetTickCount64);
    ~ProgressDialog() override;

    BOOL Create();
    void Start();
    // The main bar's stretch of one phase, from first to last inclusive.
    void Advance(std::int16_t first, std::int16_t last);
    void Tick() override;
    void Sweep() override;
    void ResetActivity() override;
    void FillActivity() override;
    // Hides the window; the object and its window stay, as the owner of later messages.
    void Close();
    // Destroys the window.
    void Destroy();

    // What the bars show at the next frame.
    int MainPosition() const { return mainPos_; }
    int ActivityPosition() const { return activityPos_; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void StepActivity();
    // A frame when one is due by the clock, and the front when that is due.
    void Pace();
    // The bars' positions to the real bars, and a repaint.
    void HandOver(std::uint64_t now);
    // The window to the front, and the queue peeked: the system sees a program that answers.
    void BringToFront(std::uint64_t now);

    CProgressCtrl m_activityBar;
    CProgressCtrl m_mainBar;
    Clock clock_;
    std::int32_t activityCounter_ = 0;
    int ticksUnlooked_ = 0;
    int mainPos_ = 0;
    int activityPos_ = 0;
    int mainShown_ = 0;  // what the real bars hold
    int activityShown_ = 0;
    std::uint64_t lastFrame_ = 0;
    std::uint64_t lastFront_ = 0;
};
