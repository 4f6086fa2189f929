#include "aggregate/AggregationContext.h"

#include "core_api/ClRuleGenkashokyaku.h"
#include "core_api/ClRuleKamoku.h"
#include "core_api/ClRuleShiwake.h"
#include "core_api/ClRuleShohizeiShinkoku.h"

AggregationContext::AggregationContext(ActivityIndicator& indicator) : activity(indicator) {}

AggregationContext::~AggregationContext() { Release(); }

void AggregationContext::Release() {
    accountList.clear();
    assetRule.reset();
    accountRule.reset();
    journalRule.reset();
    returnRule.reset();
}
