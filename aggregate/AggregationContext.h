// What the aggregation steps work on: the month condition, the copies of the tax method and
// main business category, the core rule objects created on first use and kept for the later
// steps, and the account list. The run driver holds it; the progress window shows the activity.
#pragma once

#include "core_api/StFINDINFO.h"
#include "core_api/StKAMOKUINFO.h"
#include "core_api/TaxMethod.h"

#include <cstdint>
#include <list>
#include <memory>

class ClRuleShohizeiShinkoku;
class ClRuleShiwake;
class ClRuleKamoku;
class ClRuleGenkashokyaku;

// The activity bar as the aggregation sees it.
class ActivityIndicator {
public:
    virtual void Tick() = 0;           // one record read
    virtual void Sweep() = 0;          // one full pass of the bar
    virtual void ResetActivity() = 0;  // bar and counter back to 0
    virtual void FillActivity() = 0;   // bar and counter at 10

protected:
    ~ActivityIndicator() = default;
};

using AccountList = std::list<StKAMOKUINFO>;

struct AggregationContext {
    explicit AggregationContext(ActivityIndicator& indicator);
    ~AggregationContext();
    AggregationContext(const AggregationContext&) = delete;
    AggregationContext& operator=(const AggregationContext&) = delete;

    // Deletes the rule objects in the reverse order of their creation and empties the list.
    void Release();

    StFINDRECORD<4> monthCondition{};
    TaxMethod taxMethod = TaxMethod::Exempt;
    std::uint8_t mainBusinessCategory = 0;
    std::unique_ptr<ClRuleShohizeiShinkoku> returnRule;
    std::unique_ptr<ClRuleShiwake> journalRule;
    std::unique_ptr<ClRuleKamoku> accountRule;
    std::unique_ptr<ClRuleGenkashokyaku> assetRule;
    AccountList accountList;
    ActivityIndicator& activity;
};
