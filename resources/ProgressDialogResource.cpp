#include "resources/DialogResources.h"
#include "resources/ResourceIds.h"

namespace {

constexpr ControlResource kControls[] = {
    {IDC_MAIN_BAR, ControlKind::ProgressBar, "", 5, 6, 211, 22, WS_CHILD | WS_VISIBLE | WS_BORDER | PBS_SMOOTH},
    {IDC_ACTIVITY_BAR, ControlKind::ProgressBar, "", 5, 29, 211, 10, WS_CHILD | WS_VISIBLE | WS_BORDER},
};

}  // namespace

// Created hidden: the run shows it only while it aggregates journal entries.
const DialogResource kProgressDialogResource = {
    IDD_PROGRESS, "集計中", "ＭＳ Ｐゴシック", 9, 221, 44,
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SYSMODAL | DS_SETFONT, kControls,
};
