#include "core_api/ClRuleBase.h"

#include "core_api/standin/RuleState.h"
#include "core_api/standin/World.h"

#include <cstring>
#include <iterator>

namespace {

constexpr StandInRuleNames kRuleNames[] = {
    {"ClRuleShiwake", "ClRuleShiwake::ClRuleShiwake", "ClRuleShiwake::~ClRuleShiwake",
     "ClRuleShiwake::AttachSetMgr", "ClRuleShiwake::SetCurDataID", "ClRuleShiwake::AttachOptLink"},
    {"ClRuleKamoku", "ClRuleKamoku::ClRuleKamoku", "ClRuleKamoku::~ClRuleKamoku", "ClRuleKamoku::AttachSetMgr",
     "ClRuleKamoku::SetCurDataID", "ClRuleKamoku::AttachOptLink"},
    {"ClRuleGenkashokyaku", "ClRuleGenkashokyaku::ClRuleGenkashokyaku",
     "ClRuleGenkashokyaku::~ClRuleGenkashokyaku", "ClRuleGenkashokyaku::AttachSetMgr",
     "ClRuleGenkashokyaku::SetCurDataID", "ClRuleGenkashokyaku::AttachOptLink"},
    {"ClRuleShohizeiShinkoku", "ClRuleShohizeiShinkoku::ClRuleShohizeiShinkoku",
     "ClRuleShohizeiShinkoku::~ClRuleShohizeiShinkoku", "ClRuleShohizeiShinkoku::AttachSetMgr",
     "ClRuleShohizeiShinkoku::SetCurDataID", "ClRuleShohizeiShinkoku::AttachOptLink"},
    {"ClSaveTaxShiryo", "ClSaveTaxShiryo::ClSaveTaxShiryo", "ClSaveTaxShiryo::~ClSaveTaxShiryo",
     "ClSaveTaxShiryo::AttachSetMgr", "ClSaveTaxShiryo::SetCurDataID", "ClSaveTaxShiryo::AttachOptLink"},
};

const StandInRuleNames& NamesOf(const char* className) {
    for (const StandInRuleNames& names : kRuleNames)
        if (std::strcmp(names.className, className) == 0) return names;
    return kRuleNames[0];
}

}  // namespace

std::int32_t StandInRuleState::MoveCall(const char* call, const void* record) const {
    if (auto fault = StandIn::World::Get().Fault(call)) return *fault;
    if (!ready) return StandIn::kNotReady;
    return record == nullptr ? StandIn::kBadArgument : 0;
}

ClRuleBase::ClRuleBase(const char* className) : state_(std::make_unique<StandInRuleState>()) {
    state_->names = &NamesOf(className);
    StandIn::World::Get().Log(state_->names->constructor);
}

ClRuleBase::~ClRuleBase() { StandIn::World::Instance().Log(state_->names->destructor); }

std::int32_t ClRuleBase::AttachSetMgr(ClSetMgr* setMgr) {
    if (auto fault = StandIn::World::Get().Fault(state_->names->attachSetMgr)) return *fault;
    return setMgr != nullptr ? 0 : StandIn::kBadArgument;
}

std::int32_t ClRuleBase::SetCurDataID(const char* dataId) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault(state_->names->setCurDataId)) return *fault;
    int dataSet = dataId != nullptr ? world.DataSetById(dataId) : -1;
    if (dataSet < 0) return StandIn::kUnknownData;
    state_->dataSet = dataSet;
    state_->ready = false;
    return 0;
}

std::int32_t ClRuleBase::AttachOptLink(ClOptLink* optLink) {
    if (auto fault = StandIn::World::Get().Fault(state_->names->attachOptLink)) return *fault;
    return optLink != nullptr ? 0 : StandIn::kBadArgument;
}
