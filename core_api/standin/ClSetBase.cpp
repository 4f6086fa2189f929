#include "core_api/ClSetBase.h"

#include "core_api/standin/World.h"

std::int32_t ClSetBase::AttachSetMgr(ClSetMgr* setMgr) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault(world.StateOf(this).names->attachSetMgr)) return *fault;
    return setMgr != nullptr ? 0 : StandIn::kBadArgument;
}

std::int32_t ClSetBase::SetCurDataID(const char* dataId) {
    StandIn::World& world = StandIn::World::Get();
    StandIn::SetObjectState& state = world.StateOf(this);
    if (auto fault = world.Fault(state.names->setCurDataId)) return *fault;
    int dataSet = dataId != nullptr ? world.DataSetById(dataId) : -1;
    if (dataSet < 0) return StandIn::kUnknownData;
    state.dataSet = dataSet;
    return 0;
}

std::int32_t ClSetBase::GetCursor(CursorHandle& cursor) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault(world.StateOf(this).names->getCursor)) return *fault;
    cursor = world.NewCursor(this);
    return 0;
}

std::int32_t ClSetBase::ReadyCursor(CursorHandle cursor) {
    StandIn::World& world = StandIn::World::Get();
    std::size_t* position = nullptr;
    if (std::int32_t status = world.CursorCall(world.StateOf(this).names->readyCursor, this, cursor, position))
        return status;
    *position = 0;
    return 0;
}

std::int32_t ClSetBase::ReleaseCursor(CursorHandle cursor) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault(world.StateOf(this).names->releaseCursor)) return *fault;
    return world.ReleaseCursor(this, cursor) ? 0 : StandIn::kBadCursor;
}
