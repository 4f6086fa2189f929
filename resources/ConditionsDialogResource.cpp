#include "resources/DialogResources.h"
#include "resources/ResourceIds.h"

namespace {

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE;
constexpr DWORD kColon = WS_CHILD | WS_VISIBLE | SS_RIGHT | SS_CENTERIMAGE;
constexpr DWORD kMonthEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_RIGHT | ES_NUMBER | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

// In z order, which is the tab order: the month edits, the path edit, the method radio buttons,
// then Browse, Execute and Cancel. A label with a mnemonic comes right before the control it
// moves to. No button is the default button.
constexpr ControlResource kControls[] = {
    {IDC_CAPTION_COMPANY, ControlKind::Static, "事業所名", 7, 7, 56, 12, kLabel},
    {IDC_STATIC, ControlKind::Static, "：", 65, 7, 9, 12, kColon},
    {IDC_COMPANY, ControlKind::Static, "", 79, 7, 169, 12, kLabel},
    {IDC_CAPTION_PERIOD, ControlKind::Static, "会計期間", 7, 27, 56, 12, kLabel},
    {IDC_STATIC, ControlKind::Static, "：", 65, 27, 9, 12, kColon},
    {IDC_PERIOD, ControlKind::Static, "", 79, 27, 169, 12, kLabel},
    {IDC_CAPTION_TAXMETHOD, ControlKind::Static, "消費税申告区分", 7, 47, 56, 12, kLabel},
    {IDC_STATIC, ControlKind::Static, "：", 65, 47, 9, 12, kColon},
    {IDC_TAXMETHOD, ControlKind::Static, "", 79, 47, 169, 12, kLabel},
    {IDC_CAPTION_FOURTH, ControlKind::Static, "課税仕入控除○○", 7, 67, 56, 12, kLabel},
    {IDC_STATIC, ControlKind::Static, "：", 65, 67, 9, 12, kColon},
    {IDC_FOURTH, ControlKind::Static, "", 79, 67, 169, 12, kLabel},
    {IDC_CAPTION_MONTHS, ControlKind::Static, "集計期間", 7, 141, 56, 12, kLabel},
    {IDC_STATIC, ControlKind::Static, "：", 65, 141, 9, 12, kColon},
    {IDC_START_MONTH_LABEL, ControlKind::Static, "月度(&S)", 99, 141, 25, 12, kLabel},
    {IDC_START_MONTH, ControlKind::Edit, "", 79, 141, 18, 12, kMonthEdit},
    {IDC_MONTH_TILDE, ControlKind::Static, "～", 124, 141, 12, 12, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE},
    {IDC_END_MONTH_LABEL, ControlKind::Static, "月度(&E)", 157, 141, 25, 12, kLabel},
    {IDC_END_MONTH, ControlKind::Edit, "", 137, 141, 18, 12, kMonthEdit},
    {IDC_OUTPUT_GROUP, ControlKind::GroupBox, "出力先(&O)", 5, 164, 241, 35, WS_CHILD | WS_VISIBLE | BS_GROUPBOX},
    {IDC_OUTPUT_PATH, ControlKind::Edit, "", 9, 179, 171, 12,
     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL},
    {IDC_METHOD_GROUP, ControlKind::GroupBox, "集計方法", 5, 88, 241, 45, WS_CHILD | WS_VISIBLE | BS_GROUPBOX},
    {IDC_METHOD_JOURNAL, ControlKind::RadioButton, "集計期間を指定して仕訳を集計する(&N)", 13, 100, 136, 10,
     WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON},
    {IDC_METHOD_SAVED, ControlKind::RadioButton, "連動元製品の[消費税申告書作成]で入力した値を使用する(&P)", 13, 115, 193,
     10, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON},
    // WS_GROUP ends the radio group. The information mark: SS_NOTIFY lets the mouse reach it, and
    // so its tool tip.
    {IDC_SAVED_INFO, ControlKind::Picture, "", 210, 114, 11, 11,
     WS_CHILD | WS_VISIBLE | WS_GROUP | SS_BITMAP | SS_NOTIFY},
    {IDC_BROWSE, ControlKind::PushButton, "参照(&D)...", 185, 178, 57, 14, kButton},
    {IDC_EXECUTE, ControlKind::PushButton, "実行(F12)", 127, 205, 57, 14, kButton},
    {IDC_CANCEL, ControlKind::PushButton, "キャンセル(Esc)", 189, 205, 57, 14, kButton},
};

}  // namespace

const DialogResource kConditionsDialogResource = {
    IDD_CONDITIONS, "消費税 - 集計条件", "ＭＳ Ｐゴシック", 9, 255, 228,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, kControls,
};
