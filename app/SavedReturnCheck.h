// Loads the return saved in the accounting product and tells whether it belongs to the
// selected data set and its current settings.
#pragma once

#include "app/RunState.h"
#include "core_api/StDATAINFO.h"

// 1 when the saved return is usable, 0 otherwise (nothing is shown).
int LoadAndMatchSavedReturn(RunState& state, const StDATAINFO& dataSet);
