#include "core_api/ClSysUser.h"

#include "core_api/standin/World.h"

std::int32_t ClSysUser::GetCurUserID(std::string& id) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClSysUser::GetCurUserID")) return *fault;
    id = world.BooksData().user;
    return 0;
}

// The books hold one user; another identifier has no selection.
std::int32_t ClSysUser::GetSelectedNo(const std::string& userId, std::int32_t& first, std::int32_t& second) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClSysUser::GetSelectedNo")) return *fault;
    const StandIn::Books& books = world.BooksData();
    if (userId != books.user) return StandIn::kNoRecord;
    first = books.selection[0];
    second = books.selection[1];
    return 0;
}
