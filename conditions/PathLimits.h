// The lengths a path may take, in bytes of CP932 text.
#pragma once

#include <cstddef>

// What a path buffer of the program holds, without its terminator.
inline constexpr std::size_t kPathBytes = 260;
// The output file's path: what its edit takes, what is offered from the settings file and
// what the run writes to.
inline constexpr std::size_t kOutputPathChars = 255;
