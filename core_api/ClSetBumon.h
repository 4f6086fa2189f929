// Set object 2: the departments.
#pragma once

#include "core_api/ClSetBase.h"
#include "core_api/StBUMONINFO.h"

class ClSetBumon : public ClSetBase {
public:
    std::int32_t GetBmnCount(std::int32_t& count, std::int16_t mode);
    // The next department; 5000 after the last.
    std::int32_t Walk(StBUMONINFO* info, CursorHandle cursor);
    // The department with this code; a code the books do not know answers non-zero and
    // leaves info zero-filled.
    std::int32_t GetInfoByCode(std::int32_t code, StBUMONINFO* info, CursorHandle cursor);

private:
    friend struct StandInSets;
    ClSetBumon() = default;
};
