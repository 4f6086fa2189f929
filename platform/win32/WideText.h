// The program's CP932 texts and the wide texts of the W functions, converted as code page 932.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

std::wstring Wide(std::string_view cp932);
// A character CP932 lacks becomes '?', as the A functions give it.
std::string Narrow(std::wstring_view wide);
// A window's text as the W functions give it.
std::wstring WindowTextOf(HWND window);
