// The five texts that the conditions dialog shows: company, accounting period, filing
// method, the caption of the fourth row and its value.
#pragma once

#include "app/SelectedData.h"

#include <string>

inline constexpr int kDialogTextCount = 5;

// Text number of the selected data set; empty past the last one.
std::string DialogText(const SelectedData& selected, int number);
