// The five texts that the conditions dialog shows: company, accounting period, filing
// method, the caption of the fourth row and its value. Building text 2 and later reads the
// tax settings and keeps the method, main business category and rounding mode in the state.
#pragma once

#include "app/RunState.h"
#include "core_api/StDATAINFO.h"

#include <string>

inline constexpr int kDialogTextCount = 5;

std::string DialogText(RunState& state, const StDATAINFO& dataSet, int number);
