// Set object 5: the data sets, the selected data set and its accounting period.
#pragma once

#include "core_api/ClAccPeriod.h"
#include "core_api/ClSetBase.h"
#include "core_api/StDATAINFO.h"

class ClSetData : public ClSetBase {
public:
    std::int32_t GetDatCursor(CursorHandle& cursor);
    std::int32_t ReadyDat(CursorHandle cursor, int mode);
    // Fills info with the next data set in books order; non-zero when there is none.
    std::int32_t WalkDat(StDATAINFO* info, CursorHandle cursor);
    std::int32_t ReleaseDatCursor(CursorHandle cursor);

    // The selected data set's record (zero-filled when nothing is selected); never null.
    const StDATAINFO* GetSelectedInfo();
    // A new period object of the selected data set; status 0 when given. The caller deletes it.
    std::int32_t GetAccPeriod(ClAccPeriod*& period);

private:
    friend struct StandInSets;
    ClSetData() = default;
};
