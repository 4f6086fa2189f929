// The fixed assets of a window of days: the register's date field between two days,
// both included.
#pragma once

#include "core_api/StFINDINFO.h"

#include <cstdint>

class AssetDateCondition {
public:
    AssetDateCondition(std::int32_t firstDay, std::int32_t lastDay);

    const StFINDINFO* Info() const { return record_.Info(); }

private:
    StFINDRECORD<2> record_{};
};
