// The caption of every message box and notice the program shows.
#pragma once

inline constexpr const char* kMessageCaption = "消費税";
