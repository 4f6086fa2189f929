#include "core_api/ClSaveTaxShiryo.h"

#include "core_api/standin/RuleState.h"
#include "core_api/standin/World.h"

#include <cstring>

ClSaveTaxShiryo::ClSaveTaxShiryo() : ClRuleBase("ClSaveTaxShiryo") {}
ClSaveTaxShiryo::~ClSaveTaxShiryo() = default;

std::int32_t ClSaveTaxShiryo::RefreshCache() {
    if (auto fault = StandIn::World::Get().Fault("ClSaveTaxShiryo::RefreshCache")) return *fault;
    return state_->dataSet >= 0 ? 0 : StandIn::kNotBound;
}

std::int32_t ClSaveTaxShiryo::GetTaxSaveInfo(StSaveTaxInfo* info) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClSaveTaxShiryo::GetTaxSaveInfo")) return *fault;
    const StandIn::BookDataSet* dataSet = world.DataSet(state_->dataSet);
    if (dataSet == nullptr) return StandIn::kNotBound;
    if (info == nullptr) return StandIn::kBadArgument;
    if (!dataSet->savedReturn) return StandIn::kNoRecord;
    std::memcpy(info, &*dataSet->savedReturn, sizeof *info);
    return 0;
}
