// The launch parameter: "window,message,functionId,fixed output path". Only a parameter with
// all three commas and a window other than 0 names a calling window; fields read before a
// missing comma are kept, and after a window of 0 nothing more is read.
#pragma once

#include "app/RunState.h"

#include <string>

// The parameter is parsed in a buffer of this size; a longer one names no calling window.
inline constexpr std::size_t kLaunchParameterBuffer = 260;

// Fills parentWindow, notifyMessage, functionId and fixedOutputPath of state as far as the
// parameter goes; answers true when it names a calling window.
bool ParseLaunchParameter(const std::string& commandLine, RunState& state);
