// Reads the consumption-tax settings of the selected data set.
#pragma once

#include "app/RunState.h"
#include "core_api/StDATAINFO.h"
#include "core_api/StSHOHIZEIINFO.h"

// Binds set object 4 to the data set and fills settings; 0 (settings untouched) when there is
// no settings object or the core cannot read them.
int ReadTaxSettings(RunState& state, const StDATAINFO& dataSet, StSHOHIZEIINFO& settings);
