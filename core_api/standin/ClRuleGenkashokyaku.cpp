#include "core_api/ClRuleGenkashokyaku.h"

#include "core_api/CoreStatus.h"
#include "core_api/standin/BooksValues.h"
#include "core_api/standin/RuleState.h"
#include "core_api/standin/World.h"

#include <cstring>

ClRuleGenkashokyaku::ClRuleGenkashokyaku() : ClRuleBase("ClRuleGenkashokyaku") {}
ClRuleGenkashokyaku::~ClRuleGenkashokyaku() = default;

std::int32_t ClRuleGenkashokyaku::MoveReady(const StFINDINFO* condition, _RuleGenkashokyaku_SortType,
                                            _RuleGenkashokyaku_MoveReady_SumType) {
    StandIn::World& world = StandIn::World::Get();
    state_->ready = false;
    state_->matches.clear();
    if (auto fault = world.Fault("ClRuleGenkashokyaku::MoveReady")) return *fault;
    const StandIn::BookDataSet* dataSet = world.DataSet(state_->dataSet);
    if (dataSet == nullptr) return StandIn::kNotBound;
    if (std::int32_t status = state_->condition.Compile(condition, StandIn::FindTarget::Asset)) return status;
    for (std::size_t i = 0; i < dataSet->assets.size(); ++i)
        if (state_->condition.Matches(dataSet->assets[i])) state_->matches.push_back(i);
    state_->ready = true;
    return 0;
}

std::int32_t ClRuleGenkashokyaku::GetCount(std::int32_t& count) {
    if (auto fault = StandIn::World::Get().Fault("ClRuleGenkashokyaku::GetCount")) return *fault;
    if (!state_->ready) return StandIn::kNotReady;
    count = static_cast<std::int32_t>(state_->matches.size());
    return 0;
}

std::int32_t ClRuleGenkashokyaku::Move(std::int32_t position, StKOTEISHISANINFO* asset, StKOTEINENINFO* yearly,
                                       StKOTEITSUKIINFO* monthly) {
    StandIn::World& world = StandIn::World::Get();
    if (std::int32_t status = state_->MoveCall("ClRuleGenkashokyaku::Move", asset)) return status;
    if (position < 0 || static_cast<std::size_t>(position) >= state_->matches.size()) return CoreStatus::EndOfRecords;
    const StandIn::BookAsset& book = world.DataSet(state_->dataSet)->assets[state_->matches[position]];
    std::memset(asset, 0, sizeof *asset);
    asset->code = book.code;
    StandIn::CopyText(asset->name, book.name);
    asset->acquisitionDate = book.date;
    asset->assetKind = book.kind;
    asset->acquisitionCost = book.cost;
    asset->incomeType = book.incomeType;
    if (yearly != nullptr) std::memset(yearly, 0, sizeof *yearly);
    if (monthly != nullptr) std::memset(monthly, 0, sizeof *monthly);
    return 0;
}

std::int32_t ClRuleGenkashokyaku::MoveFinish() {
    if (auto fault = StandIn::World::Get().Fault("ClRuleGenkashokyaku::MoveFinish")) return *fault;
    state_->ready = false;
    return 0;
}
