// Loads the return saved in the accounting product and tells whether it belongs to the
// selected data set and its current settings.
#pragma once

#include "app/SelectedData.h"
#include "core_api/StSaveTaxInfo.h"

#include <cstdint>

// The zero-filled area in which the core leaves the saved return.
union SavedReturnArea {
    StSaveTaxInfo info;
    std::uint8_t bytes[kSaveTaxInfoAreaSize];
};

// Fills area (zero-filled beforehand) with the saved return; true when it is usable. A
// failed load is recorded with the message manager and shows nothing.
bool LoadAndMatchSavedReturn(const SelectedData& selected, SavedReturnArea& area);
