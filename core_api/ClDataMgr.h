// Process-wide data manager: set objects, the set manager and the user object, all owned by
// the core.
#pragma once

#include "core_api/ClSetBase.h"
#include "core_api/ClSetMgr.h"
#include "core_api/ClSysUser.h"

class ClDataMgr {
public:
    static ClDataMgr* Inst();

    // Set object by number (see ClSetMgr); may answer nullptr.
    ClSetBase* GetSetObject(int number, int mode);
    ClSetMgr* GetSetMgr();
    ClSysUser* GetSysUserObject();

private:
    ClDataMgr() = default;
};
