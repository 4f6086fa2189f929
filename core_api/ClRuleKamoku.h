// The account-totals rule: one StKAMOKUSUMINFO per account, with figures per period slot,
// for the company or for one department.
#pragma once

#include "core_api/ClRuleBase.h"
#include "core_api/StBUMONINFO.h"
#include "core_api/StFINDINFO.h"
#include "core_api/StKAMOKUINFO.h"

class ClRuleKamoku : public ClRuleBase {
public:
    enum _RuleKamokuSumType_Base {
        _RuleKamokuSumType_Base_None = 0,
        _RuleKamokuSumType_Base_Period = 1,  // figures per period slot
    };
    enum _RuleKamokuSumType_Bmn {
        _RuleKamokuSumType_Bmn_Company = 0,     // every side counts
        _RuleKamokuSumType_Bmn_Department = 4,  // only the sides of the given department
    };
    enum _RuleKamokuSumType_Disptype {
        _RuleKamokuSumType_Disptype_Normal = 0,
    };
    enum _RuleKamokuSumType_Past {
        _RuleKamokuSumType_Past_Current = 0,
    };

    ClRuleKamoku();
    ~ClRuleKamoku() override;

    // The department record is read for its code when bmn is 4; it may be null otherwise.
    std::int32_t MoveReady(_RuleKamokuSumType_Base base, _RuleKamokuSumType_Bmn bmn,
                           _RuleKamokuSumType_Disptype dispType, const StFINDINFO* condition,
                           const StBUMONINFO* department, _RuleKamokuSumType_Past past);
    std::int32_t GetSumCount(std::int32_t& count);
    std::int32_t SetMovePos(std::int32_t position);
    // The next account's totals; 5000 after the last.
    std::int32_t MoveNext(StKAMOKUSUMINFO* info);
    std::int32_t MoveFinish();
};
