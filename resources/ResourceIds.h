// Resource identifiers of the program: its two dialogs, their controls, its string table.
#pragma once

// Dialogs.
inline constexpr int IDD_CONDITIONS = 130;
inline constexpr int IDD_PROGRESS = 131;

// Conditions dialog.
inline constexpr int IDC_CAPTION_COMPANY = 1000;
inline constexpr int IDC_CAPTION_PERIOD = 1001;
inline constexpr int IDC_CAPTION_TAXMETHOD = 1002;
inline constexpr int IDC_CAPTION_FOURTH = 1003;
inline constexpr int IDC_CAPTION_MONTHS = 1004;
inline constexpr int IDC_EXECUTE = 1005;
inline constexpr int IDC_CANCEL = 1006;
inline constexpr int IDC_OUTPUT_GROUP = 1007;
inline constexpr int IDC_OUTPUT_PATH = 1008;
inline constexpr int IDC_BROWSE = 1009;
inline constexpr int IDC_COMPANY = 1010;
inline constexpr int IDC_PERIOD = 1011;
inline constexpr int IDC_TAXMETHOD = 1012;
inline constexpr int IDC_FOURTH = 1013;
inline constexpr int IDC_START_MONTH = 1014;
inline constexpr int IDC_START_MONTH_LABEL = 1015;
inline constexpr int IDC_END_MONTH = 1016;
inline constexpr int IDC_END_MONTH_LABEL = 1017;
inline constexpr int IDC_MONTH_TILDE = 1018;
inline constexpr int IDC_METHOD_JOURNAL = 1029;
inline constexpr int IDC_METHOD_GROUP = 1030;
inline constexpr int IDC_METHOD_SAVED = 1031;
inline constexpr int IDC_SAVED_INFO = 1032;

// Progress window.
inline constexpr int IDC_MAIN_BAR = 1019;
inline constexpr int IDC_ACTIVITY_BAR = 1024;

// String table.
inline constexpr int IDS_VERSION = 1;
