// The data set the user selected in the accounting system, read once when the run starts:
// the selection, the data set's record, its consumption-tax settings and the set objects
// they come from. Everything later in the run takes what it needs from this one value.
#pragma once

#include "conditions/SettingsEntry.h"
#include "core_api/StDATAINFO.h"
#include "core_api/StSHOHIZEIINFO.h"
#include "core_api/TaxMethod.h"

#include <cstdint>

class ClSetData;
class ClSetShohizei;

struct SelectedData {
    SettingsKey selection;                       // the user and the data set they selected
    StDATAINFO dataSet{};                        // zero-filled when no data set matches the selection
    StSHOHIZEIINFO taxSettings{};                // zero-filled when they cannot be read
    ClSetData* dataSets = nullptr;               // null when the core has no data sets object
    ClSetShohizei* taxSettingsObject = nullptr;  // null when the core has no settings object

    TaxMethod Method() const { return TaxMethodOf(taxSettings); }
    std::uint8_t RoundingMode() const { return taxSettings.roundingMode; }
    // Only simplified taxation has a main business category; 0 for the others.
    std::uint8_t MainBusinessCategory() const {
        return Method() == TaxMethod::Simplified ? taxSettings.mainBusiness : 0;
    }
};

// The data sets object, the user's selection, the selected data set, then its tax settings.
SelectedData ReadSelectedData();
