#include "core_api/ClSetKamoku.h"

#include "core_api/CoreStatus.h"
#include "core_api/standin/BooksValues.h"
#include "core_api/standin/FindCondition.h"
#include "core_api/standin/World.h"

#include <cstring>

namespace {

void Fill(StKAMOKUINFO& info, const StandIn::BookAccount& account) {
    std::memset(&info, 0, sizeof info);
    info.code = account.code;
    StandIn::CopyText(info.name, account.name);
    info.excluded = account.excluded;
    info.accountClass = account.accountClass;
}

// The next account of the cursor that satisfies the condition (null: every account).
std::int32_t WalkAccounts(ClSetKamoku* self, const StFINDINFO* condition, bool conditional, StKAMOKUINFO* info,
                          ClSetBase::CursorHandle cursor) {
    StandIn::World& world = StandIn::World::Get();
    std::size_t* position = world.CursorPosition(self, cursor);
    if (position == nullptr) return StandIn::kBadCursor;
    if (info == nullptr || (conditional && condition == nullptr)) return StandIn::kBadArgument;
    const StandIn::BookDataSet* dataSet = world.DataSet(world.DataSetOf(self));
    if (dataSet == nullptr) return StandIn::kNoRecord;
    StandIn::FindCondition compiled;
    if (std::int32_t status = compiled.Compile(condition, StandIn::FindTarget::Account)) return status;
    while (*position < dataSet->accounts.size()) {
        const StandIn::BookAccount& account = dataSet->accounts[(*position)++];
        if (!compiled.Matches(account)) continue;
        Fill(*info, account);
        return 0;
    }
    return CoreStatus::EndOfRecords;
}

}  // namespace

std::int32_t ClSetKamoku::Walk(StKAMOKUINFO* info, CursorHandle cursor) {
    if (auto fault = StandIn::World::Get().Fault("ClSetKamoku::Walk")) return *fault;
    return WalkAccounts(this, nullptr, false, info, cursor);
}

std::int32_t ClSetKamoku::WalkFind(const StFINDINFO* condition, StKAMOKUINFO* info, CursorHandle cursor) {
    if (auto fault = StandIn::World::Get().Fault("ClSetKamoku::WalkFind")) return *fault;
    return WalkAccounts(this, condition, true, info, cursor);
}
