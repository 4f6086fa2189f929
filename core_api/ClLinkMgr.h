// Process-wide link manager: hands out the option link.
#pragma once

#include "core_api/ClOptLink.h"

class ClLinkMgr {
public:
    static ClLinkMgr* Inst();
    ClOptLink* GetOptLink();

private:
    ClLinkMgr() = default;
};
