// The journal rule: counts and moves over the journal lines that satisfy a search condition.
#pragma once

#include "core_api/ClRuleBase.h"
#include "core_api/StFINDINFO.h"
#include "core_api/StSWKTINFO.h"

class ClRuleShiwake : public ClRuleBase {
public:
    ClRuleShiwake();
    ~ClRuleShiwake() override;

    // The number of lines that satisfy the condition; display options may be null.
    std::int32_t GetSwkCount(const StFINDINFO* condition, const StSWKDISPINFO* display,
                             std::uint32_t& count);
    std::int32_t MoveReady(const StFINDINFO* condition, const StORDERINFO* order,
                           const StSWKDISPINFO* display, _ECursorType cursorType);
    // The next line; 5000 after the last.
    std::int32_t MoveNext(StSWKTINFO* line);
    std::int32_t MoveFinish();
    // The number of lines satisfying the condition of which either side has this business
    // category.
    std::int32_t CheckExistSwkByJigyoBunrui(const StFINDINFO* condition, int business,
                                            std::int32_t& count);
};
