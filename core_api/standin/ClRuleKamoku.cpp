#include "core_api/ClRuleKamoku.h"

#include "core_api/CoreStatus.h"
#include "core_api/standin/AccountTotals.h"
#include "core_api/standin/BooksValues.h"
#include "core_api/standin/RuleState.h"
#include "core_api/standin/World.h"

#include <cstring>

ClRuleKamoku::ClRuleKamoku() : ClRuleBase("ClRuleKamoku") {}
ClRuleKamoku::~ClRuleKamoku() = default;

// Account totals deliver every account whatever the condition; a department move counts only
// the sides of the department given.
std::int32_t ClRuleKamoku::MoveReady(_RuleKamokuSumType_Base, _RuleKamokuSumType_Bmn bmn, _RuleKamokuSumType_Disptype,
                                     const StFINDINFO*, const StBUMONINFO* department, _RuleKamokuSumType_Past) {
    StandIn::World& world = StandIn::World::Get();
    state_->ready = false;
    if (auto fault = world.Fault("ClRuleKamoku::MoveReady")) return *fault;
    if (world.DataSet(state_->dataSet) == nullptr) return StandIn::kNotBound;
    state_->byDepartment = bmn == _RuleKamokuSumType_Bmn_Department;
    if (state_->byDepartment && department == nullptr) return StandIn::kBadArgument;
    state_->department = state_->byDepartment ? department->code : 0;
    state_->position = 0;
    state_->ready = true;
    return 0;
}

std::int32_t ClRuleKamoku::GetSumCount(std::int32_t& count) {
    StandIn::World& world = StandIn::World::Get();
    if (auto fault = world.Fault("ClRuleKamoku::GetSumCount")) return *fault;
    if (!state_->ready) return StandIn::kNotReady;
    count = static_cast<std::int32_t>(world.DataSet(state_->dataSet)->accounts.size());
    return 0;
}

std::int32_t ClRuleKamoku::SetMovePos(std::int32_t position) {
    if (auto fault = StandIn::World::Get().Fault("ClRuleKamoku::SetMovePos")) return *fault;
    if (!state_->ready) return StandIn::kNotReady;
    if (position < 0) return StandIn::kBadArgument;
    state_->position = static_cast<std::size_t>(position);
    return 0;
}

std::int32_t ClRuleKamoku::MoveNext(StKAMOKUSUMINFO* info) {
    StandIn::World& world = StandIn::World::Get();
    if (std::int32_t status = state_->MoveCall("ClRuleKamoku::MoveNext", info)) return status;
    const StandIn::BookDataSet& dataSet = *world.DataSet(state_->dataSet);
    if (state_->position >= dataSet.accounts.size()) return CoreStatus::EndOfRecords;
    std::size_t index = state_->position++;
    const StandIn::BookAccount& account = dataSet.accounts[index];
    StandIn::AccountTotals& totals = world.Totals(state_->dataSet);
    const StandIn::SlotFigures& figures =
        state_->byDepartment ? totals.Department(index, state_->department) : totals.Company(index);
    std::memset(info, 0, sizeof *info);
    info->code = account.code;
    StandIn::CopyText(info->name, account.name);
    info->sumExcluded = account.sumExcluded;
    info->totalLine = account.total ? 1 : 0;
    info->sumExcluded2 = account.sumExcluded2;
    info->side = account.side;
    info->accountClass = account.accountClass;
    std::memcpy(info->debit, figures.debit.data(), sizeof info->debit);
    std::memcpy(info->debitIncl, figures.debitIncl.data(), sizeof info->debitIncl);
    std::memcpy(info->credit, figures.credit.data(), sizeof info->credit);
    std::memcpy(info->creditIncl, figures.creditIncl.data(), sizeof info->creditIncl);
    return 0;
}

std::int32_t ClRuleKamoku::MoveFinish() {
    if (auto fault = StandIn::World::Get().Fault("ClRuleKamoku::MoveFinish")) return *fault;
    state_->ready = false;
    return 0;
}
