// String resource 1: the program's own version, written into the report.
#pragma once

inline constexpr const char* kProgramVersion = "21.02.03";
