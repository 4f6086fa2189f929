#include "core_api/ClSetData.h"

#include "core_api/CoreStatus.h"
#include "core_api/standin/AccountingCalendar.h"
#include "core_api/standin/World.h"

#include <cstring>
#include <memory>

std::int32_t ClSetData::GetDatCursor(CursorHandle& cursor) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClSetData::GetDatCursor")) return *fault;
    cursor = world.NewCursor(this);
    return 0;
}

std::int32_t ClSetData::ReadyDat(CursorHandle cursor, int) {
    StandIn::World& world = StandIn::World::Get();
    std::size_t* position = nullptr;
    if (std::int32_t status = world.CursorCall("ClSetData::ReadyDat", this, cursor, position)) return status;
    *position = 0;
    return 0;
}

std::int32_t ClSetData::WalkDat(StDATAINFO* info, CursorHandle cursor) {
    StandIn::World& world = StandIn::World::Get();
    std::size_t* position = nullptr;
    if (std::int32_t status = world.CursorCall("ClSetData::WalkDat", this, cursor, position)) return status;
    if (info == nullptr) return StandIn::kBadArgument;
    const auto& dataSets = world.BooksData().dataSets;
    if (*position >= dataSets.size()) return CoreStatus::EndOfRecords;
    std::memcpy(info, &dataSets[(*position)++].info, sizeof *info);
    return 0;
}

std::int32_t ClSetData::ReleaseDatCursor(CursorHandle cursor) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClSetData::ReleaseDatCursor")) return *fault;
    return world.ReleaseCursor(this, cursor) ? 0 : StandIn::kBadCursor;
}

const StDATAINFO* ClSetData::GetSelectedInfo() {
    static const StDATAINFO none{};
    StandIn::World& world = StandIn::World::Get();
    world.Log("ClSetData::GetSelectedInfo");
    const StandIn::BookDataSet* dataSet = world.DataSet(world.SelectedDataSet());
    return dataSet != nullptr ? &dataSet->info : &none;
}

std::int32_t ClSetData::GetAccPeriod(ClAccPeriod*& period) {
    StandIn::World& world = StandIn::World::Get();
    period = nullptr;
    if (auto fault = world.Fault("ClSetData::GetAccPeriod")) return *fault;
    const StandIn::BookDataSet* dataSet = world.DataSet(world.DataSetOf(this));
    if (dataSet == nullptr) return StandIn::kNoRecord;
    auto made = std::make_unique<ClAccPeriod>();
    made->first_ = dataSet->info.periodFirst;
    made->last_ = dataSet->info.periodLast;
    made->closingDay_ = StandIn::AccountingCalendar::ClosingDayOf(dataSet->info.periodLast);
    period = made.release();
    return 0;
}
