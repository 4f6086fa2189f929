#include "core_api/ClRuleShohizeiShinkoku.h"

#include "core_api/standin/ReturnSummer.h"
#include "core_api/standin/RuleState.h"
#include "core_api/standin/World.h"

ClRuleShohizeiShinkoku::ClRuleShohizeiShinkoku() : ClRuleBase("ClRuleShohizeiShinkoku") {}
ClRuleShohizeiShinkoku::~ClRuleShohizeiShinkoku() = default;

std::int32_t ClRuleShohizeiShinkoku::SetSubstTaxRate(std::int32_t rate) {
    if (auto fault = StandIn::World::Get().Fault("ClRuleShohizeiShinkoku::SetSubstTaxRate")) return *fault;
    state_->substituteRate = rate;
    return 0;
}

std::int32_t ClRuleShohizeiShinkoku::SumTax(std::uint8_t, const StFINDINFO* condition, StTAXREPORTRATEINFO* rates,
                                            StTAXREPORTBUSINESSTYPEINFO* business) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClRuleShohizeiShinkoku::SumTax")) return *fault;
    const StandIn::BookDataSet* dataSet = world.DataSet(state_->dataSet);
    if (dataSet == nullptr) return StandIn::kNotBound;
    if (rates == nullptr || business == nullptr) return StandIn::kBadArgument;
    world.EnsureJournals();
    StandIn::FindCondition compiled;
    if (std::int32_t status = compiled.Compile(condition, StandIn::FindTarget::JournalLine)) return status;
    StandIn::SumReturn(*dataSet, world.Summary(state_->dataSet), compiled, state_->substituteRate, rates, business);
    return 0;
}
