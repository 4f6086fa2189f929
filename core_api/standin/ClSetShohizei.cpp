#include "core_api/ClSetShohizei.h"

#include "core_api/standin/World.h"

#include <cstring>

std::int32_t ClSetShohizei::Get(StSHOHIZEIINFO* info) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClSetShohizei::Get")) return *fault;
    if (info == nullptr) return StandIn::kBadArgument;
    const StandIn::BookDataSet* dataSet = world.DataSet(world.DataSetOf(this));
    if (dataSet == nullptr || !dataSet->tax) return StandIn::kNoRecord;
    std::memcpy(info, &*dataSet->tax, sizeof *info);
    return 0;
}

int ClSetShohizei::GetTaxRateCount() {
    StandIn::World& world = StandIn::World::Get();
    world.Log("ClSetShohizei::GetTaxRateCount");
    const StandIn::BookDataSet* dataSet = world.DataSet(world.DataSetOf(this));
    return dataSet != nullptr ? dataSet->rateCount : 0;
}
