#include "app/ProgressDialog.h"

#include "platform/CDataExchange.h"
#include "resources/DialogResources.h"
#include "resources/ResourceIds.h"

#include <cstdio>

namespace {

constexpr short kMainBarMax = 1000;
constexpr short kActivityMax = 10;
constexpr int kSweepSteps = 11;

}  // namespace

ProgressDialog::ProgressDialog(CWnd* pParentWnd, Clock clock)
    : CDialog(kProgressDialogResource, pParentWnd), clock_(clock) {}

ProgressDialog::~ProgressDialog() { Destroy(); }

void ProgressDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ACTIVITY_BAR, m_activityBar);
    DDX_Control(pDX, IDC_MAIN_BAR, m_mainBar);
}

BOOL ProgressDialog::Create() { return CDialog::Create(nullptr); }

void ProgressDialog::Start() {
    m_mainBar.SetRange(0, kMainBarMax);
    m_mainBar.SetStep(1);
    m_mainBar.SetPos(0);
    mainPos_ = mainShown_ = 0;
    // The activity bar's range never changes: set once, the positions follow from the state.
    m_activityBar.SetRange(0, kActivityMax);
    m_activityBar.SetStep(1);
    m_activityBar.SetPos(activityPos_);
    activityShown_ = activityPos_;
    lastFrame_ = clock_();
}

void ProgressDialog::Advance(std::int16_t first, std::int16_t last) {
    for (int i = first; i <= last; ++i) {
        if (i % 10 == 0) {
            char caption[21] = {};
            std::snprintf(caption, sizeof caption, "集計中 %d％", i / 10);
            SetWindowText(caption);
        }
        // The bar stops at its upper end instead of wrapping.
        if (mainPos_ < kMainBarMax) ++mainPos_;
        Sweep();
    }
    const std::uint64_t now = clock_();
    HandOver(now);
    BringToFront(now);
}

void ProgressDialog::Sweep() {
    activityPos_ = 0;
    for (int step = 0; step < kSweepSteps; ++step) StepActivity();
    Pace();
}

void ProgressDialog::Tick() {
    activityCounter_ = activityCounter_ == kActivityMax ? 0 : activityCounter_ + 1;
    if (activityCounter_ == 0) activityPos_ = 0;
    StepActivity();
    if (++ticksUnlooked_ >= kTicksPerLook) Pace();
}

void ProgressDialog::ResetActivity() {
    activityPos_ = 0;
    activityCounter_ = 0;
    Pace();
}

void ProgressDialog::FillActivity() {
    activityPos_ = kActivityMax;
    activityCounter_ = kActivityMax;
    Pace();
}

void ProgressDialog::Close() {
    HandOver(clock_());
    EndDialog(1);
}

void ProgressDialog::Destroy() {
    if (m_hWnd != nullptr) DestroyWindow();
}

// One step of the activity bar, past its top starting over from the bottom with the overshoot,
// as the control's own step does.
void ProgressDialog::StepActivity() { activityPos_ = activityPos_ >= kActivityMax ? 1 : activityPos_ + 1; }

void ProgressDialog::Pace() {
    ticksUnlooked_ = 0;
    const std::uint64_t now = clock_();
    if (now - lastFrame_ < kFrameInterval) return;
    HandOver(now);
    if (now - lastFront_ >= kFrontInterval) BringToFront(now);
}

void ProgressDialog::HandOver(std::uint64_t now) {
    lastFrame_ = now;
    if (mainShown_ != mainPos_) {
        m_mainBar.SetPos(mainPos_);
        mainShown_ = mainPos_;
    }
    if (activityShown_ != activityPos_) {
        m_activityBar.SetPos(activityPos_);
        activityShown_ = activityPos_;
    }
    UpdateWindow();
}

void ProgressDialog::BringToFront(std::uint64_t now) {
    lastFront_ = now;
    BringWindowToTop();
    SetForegroundWindow();
    MSG msg{};
    platform::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE);
}
