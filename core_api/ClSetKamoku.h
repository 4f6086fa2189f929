// Set object 1: the account master.
#pragma once

#include "core_api/ClSetBase.h"
#include "core_api/StFINDINFO.h"
#include "core_api/StKAMOKUINFO.h"

class ClSetKamoku : public ClSetBase {
public:
    // The next account in master order; 5000 after the last.
    std::int32_t Walk(StKAMOKUINFO* info, CursorHandle cursor);
    // The next account that satisfies the condition; 5000 after the last.
    std::int32_t WalkFind(const StFINDINFO* condition, StKAMOKUINFO* info, CursorHandle cursor);

private:
    friend struct StandInSets;
    ClSetKamoku() = default;
};
