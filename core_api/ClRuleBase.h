// Base of the rule objects (and of the save object) that the program creates with new, binds
// (AttachSetMgr, SetCurDataID, AttachOptLink, in this order) and deletes when done.
#pragma once

#include "core_api/ClOptLink.h"
#include "core_api/ClSetMgr.h"

#include <cstdint>
#include <memory>

struct StandInRuleState;

class ClRuleBase {
public:
    virtual ~ClRuleBase();
    ClRuleBase(const ClRuleBase&) = delete;
    ClRuleBase& operator=(const ClRuleBase&) = delete;

    std::int32_t AttachSetMgr(ClSetMgr* setMgr);
    // Binds the rule to the data set with this identifier (StDATAINFO::dataId); an identifier
    // the core does not know answers non-zero and leaves the rule unbound.
    std::int32_t SetCurDataID(const char* dataId);
    std::int32_t AttachOptLink(ClOptLink* optLink);

protected:
    explicit ClRuleBase(const char* className);
    // The core's own state of the rule.
    std::unique_ptr<StandInRuleState> state_;
};
