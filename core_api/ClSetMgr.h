// The set manager: set objects by number (1 ClSetKamoku, 2 ClSetBumon, 4 ClSetShohizei,
// 5 ClSetData); the second argument is always 1. May answer nullptr.
#pragma once

#include "core_api/ClSetBase.h"

class ClSetMgr {
public:
    ClSetBase* GetSetObject(int number, int mode);

    ClSetMgr(const ClSetMgr&) = delete;
    ClSetMgr& operator=(const ClSetMgr&) = delete;

private:
    friend class ClDataMgr;
    ClSetMgr() = default;
};
