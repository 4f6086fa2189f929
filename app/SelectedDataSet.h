// The user logged on to the accounting system and the data set they selected.
#pragma once

#include "app/RunState.h"
#include "core_api/StDATAINFO.h"

#include <cstdint>
#include <string>

struct UserSelection {
    std::string userId;
    std::int32_t first = 0;
    std::int32_t dataNo = 0;  // the selected data number
};

UserSelection ReadUserSelection();

// Fills dataSet with the data set whose number the user selected; it stays zero-filled when
// none matches.
void ReadSelectedDataSet(RunState& state, StDATAINFO& dataSet);
