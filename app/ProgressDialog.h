// The modeless progress window of the journal aggregation: the main bar shows the three
// phases, the activity bar ticks once per record read. There is no message loop while it is
// up: every change is repainted at once.
#pragma once

#include "aggregate/AggregationContext.h"
#include "platform/CControls.h"
#include "platform/CDialog.h"

#include <cstdint>

class ProgressDialog : public CDialog, public ActivityIndicator {
public:
    explicit ProgressDialog(CWnd* pParentWnd = nullptr);
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

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void Repaint();
    void BringToFront();

    CProgressCtrl m_activityBar;
    CProgressCtrl m_mainBar;
    std::int32_t activityCounter_ = 0;
};
