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

ProgressDialog::ProgressDialog(CWnd* pParentWnd)
    : CDialog(kProgressDialogResource, pParentWnd) {}

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
}

void ProgressDialog::Advance(std::int16_t first, std::int16_t last) {
    for (int i = first; i <= last; ++i) {
        if (i % 10 == 0) {
            char caption[21] = {};
            std::snprintf(caption, sizeof caption, "集計中 %d％", i / 10);
            SetWindowText(caption);
        }
        // The bar stops at its upper end instead of wrapping.
        if (m_mainBar.GetPos() < kMainBarMax) m_mainBar.StepIt();
        Sweep();
        Repaint();
    }
}

void ProgressDialog::Sweep() {
    m_activityBar.SetRange(0, kActivityMax);
    m_activityBar.SetStep(1);
    m_activityBar.SetPos(0);
    for (int step = 0; step < kSweepSteps; ++step) {
        m_activityBar.StepIt();
        BringToFront();
        Repaint();
    }
}

void ProgressDialog::Tick() {
    activityCounter_ = activityCounter_ == kActivityMax ? 0 : activityCounter_ + 1;
    if (activityCounter_ == 0) m_activityBar.SetPos(0);
    m_activityBar.StepIt();
    if (activityCounter_ == 0) BringToFront();
    Repaint();
}

void ProgressDialog::ResetActivity() {
    m_activityBar.SetRange(0, kActivityMax);
    m_activityBar.SetStep(1);
    m_activityBar.SetPos(0);
    activityCounter_ = 0;
}

void ProgressDialog::FillActivity() {
    m_activityBar.SetPos(kActivityMax);
    activityCounter_ = kActivityMax;
}

void ProgressDialog::Close() { EndDialog(1); }

void ProgressDialog::Destroy() {
    if (m_hWnd != nullptr) DestroyWindow();
}

void ProgressDialog::Repaint() { UpdateWindow(); }

void ProgressDialog::BringToFront() {
    BringWindowToTop();
    SetForegroundWindow();
}
