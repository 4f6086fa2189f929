// The core's own state of a rule or save object: its names in the call log, the data set it
// is bound to and the state of its current move.
#pragma once

#include "core_api/standin/FindCondition.h"

#include <cstdint>
#include <vector>

struct StandInRuleNames {
    const char* className;
    const char* constructor;
    const char* destructor;
    const char* attachSetMgr;
    const char* setCurDataId;
    const char* attachOptLink;
};

struct StandInRuleState {
    const StandInRuleNames* names = nullptr;
    int dataSet = -1;  // -1: not bound
    bool ready = false;
    StandIn::FindCondition condition;
    std::size_t position = 0;
    // Account totals: the department of a department move.
    bool byDepartment = false;
    std::int32_t department = 0;
    // Fixed assets: positions of the assets that satisfy the condition.
    std::vector<std::size_t> matches;
    std::int32_t substituteRate = 0;

    // A move call: the call logged, then the status of an injected fault, kNotReady before
    // MoveReady or kBadArgument without a record to fill; 0 when the move may go on.
    std::int32_t MoveCall(const char* call, const void* record) const;
};
