// The fixed-asset register rule: the assets that satisfy a search condition, by position.
#pragma once

#include "core_api/ClRuleBase.h"
#include "core_api/StFINDINFO.h"
#include "core_api/StKOTEISHISANINFO.h"

class ClRuleGenkashokyaku : public ClRuleBase {
public:
    enum _RuleGenkashokyaku_SortType {
        _RuleGenkashokyaku_SortType_Register = 0,  // register order
    };
    enum _RuleGenkashokyaku_MoveReady_SumType {
        _RuleGenkashokyaku_MoveReady_SumType_None = 0,
    };

    ClRuleGenkashokyaku();
    ~ClRuleGenkashokyaku() override;

    std::int32_t MoveReady(const StFINDINFO* condition, _RuleGenkashokyaku_SortType sortType,
                           _RuleGenkashokyaku_MoveReady_SumType sumType);
    std::int32_t GetCount(std::int32_t& count);
    // The asset at position (from 0) and its depreciation records; 5000 past the last.
    std::int32_t Move(std::int32_t position, StKOTEISHISANINFO* asset, StKOTEINENINFO* yearly,
                      StKOTEITSUKIINFO* monthly);
    std::int32_t MoveFinish();
};
