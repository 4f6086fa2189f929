#include "core_api/ClSetBumon.h"

#include "core_api/CoreStatus.h"
#include "core_api/standin/BooksValues.h"
#include "core_api/standin/World.h"

#include <cstring>

namespace {

void Fill(StBUMONINFO& info, const StandIn::BookDepartment& department) {
    std::memset(&info, 0, sizeof info);
    info.code = department.code;
    info.departmentLink = department.link;
    StandIn::CopyText(info.name, department.name);
    info.departmentClass = department.departmentClass;
    info.incomeType = department.incomeType;
}

}  // namespace

std::int32_t ClSetBumon::GetBmnCount(std::int32_t& count, std::int16_t) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClSetBumon::GetBmnCount")) return *fault;
    const StandIn::BookDataSet* dataSet = world.DataSet(world.DataSetOf(this));
    if (dataSet == nullptr) return StandIn::kNoRecord;
    count = static_cast<std::int32_t>(dataSet->departments.size());
    return 0;
}

std::int32_t ClSetBumon::Walk(StBUMONINFO* info, CursorHandle cursor) {
    StandIn::World& world = StandIn::World::Get();
    std::size_t* position = nullptr;
    if (std::int32_t status = world.CursorCall("ClSetBumon::Walk", this, cursor, position)) return status;
    if (info == nullptr) return StandIn::kBadArgument;
    const StandIn::BookDataSet* dataSet = world.DataSet(world.DataSetOf(this));
    if (dataSet == nullptr) return StandIn::kNoRecord;
    if (*position >= dataSet->departments.size()) return CoreStatus::EndOfRecords;
    Fill(*info, dataSet->departments[(*position)++]);
    return 0;
}

std::int32_t ClSetBumon::GetInfoByCode(std::int32_t code, StBUMONINFO* info, CursorHandle cursor) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClSetBumon::GetInfoByCode")) return *fault;
    if (info == nullptr) return StandIn::kBadArgument;
    std::memset(info, 0, sizeof *info);
    if (world.CursorPosition(this, cursor) == nullptr) return StandIn::kBadCursor;
    const StandIn::BookDataSet* dataSet = world.DataSet(world.DataSetOf(this));
    if (dataSet == nullptr) return StandIn::kNoRecord;
    for (const StandIn::BookDepartment& department : dataSet->departments) {
        if (department.code != code) continue;
        Fill(*info, department);
        return 0;
    }
    return StandIn::kNoRecord;
}
