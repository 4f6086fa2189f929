#include "core_api/ClRuleShiwake.h"

#include "core_api/CoreStatus.h"
#include "core_api/standin/JournalSummary.h"
#include "core_api/standin/RuleState.h"
#include "core_api/standin/World.h"

#include <cstring>

namespace {

using StandIn::BookDataSet;
using StandIn::BookLine;
using StandIn::BookSide;

void FillSide(StSWKSIDE& out, const BookSide& side) {
    out.account = side.account;
    out.department = side.department;
    out.amount = side.amount;
    out.tax = side.tax;
    out.taxCategory = side.category;
    out.taxRate = side.rate;
    out.reduced = side.reduced;
    out.business = side.business;
}

// Counts the lines that satisfy the condition and, when business is not 0, have that
// business category on either side, over the data set's summary.
std::int32_t CountLines(const StandInRuleState& state, const StFINDINFO* condition, int business,
                        std::int64_t& count) {
    StandIn::World& world = StandIn::World::Get();
    const BookDataSet* dataSet = world.DataSet(state.dataSet);
    if (dataSet == nullptr) return StandIn::kNotBound;
    world.EnsureJournals();
    StandIn::FindCondition compiled;
    if (std::int32_t status = compiled.Compile(condition, StandIn::FindTarget::JournalLine)) return status;
    count = 0;
    world.Summary(state.dataSet).ForEachGroup([&](const StandIn::LineGroup& group) {
        if (business != 0 && BookLine::BusinessOf(group.codes, 1) != business &&
            BookLine::BusinessOf(group.codes, 2) != business)
            return;
        if (compiled.MatchesLineCodes(group.codes)) count += group.lines;
    });
    return 0;
}

}  // namespace

ClRuleShiwake::ClRuleShiwake() : ClRuleBase("ClRuleShiwake") {}
ClRuleShiwake::~ClRuleShiwake() = default;

std::int32_t ClRuleShiwake::GetSwkCount(const StFINDINFO* condition, const StSWKDISPINFO*, std::uint32_t& count) {
    if (auto fault = StandIn::World::Get().Fault("ClRuleShiwake::GetSwkCount")) return *fault;
    std::int64_t n = 0;
    std::int32_t status = CountLines(*state_, condition, 0, n);
    if (status == 0) count = static_cast<std::uint32_t>(n);
    return status;
}

std::int32_t ClRuleShiwake::CheckExistSwkByJigyoBunrui(const StFINDINFO* condition, int business,
                                                       std::int32_t& count) {
    if (auto fault = StandIn::World::Get().Fault("ClRuleShiwake::CheckExistSwkByJigyoBunrui")) return *fault;
    if (business < 1 || business > 6) return StandIn::kBadArgument;
    std::int64_t n = 0;
    std::int32_t status = CountLines(*state_, condition, business, n);
    if (status == 0) count = static_cast<std::int32_t>(n);
    return status;
}

std::int32_t ClRuleShiwake::MoveReady(const StFINDINFO* condition, const StORDERINFO*, const StSWKDISPINFO*,
                                      _ECursorType) {
    StandIn::World& world = StandIn::World::Get();
    state_->ready = false;
    if (auto fault = world.Fault("ClRuleShiwake::MoveReady")) return *fault;
    if (world.DataSet(state_->dataSet) == nullptr) return StandIn::kNotBound;
    world.EnsureJournals();
    if (std::int32_t status = state_->condition.Compile(condition, StandIn::FindTarget::JournalLine)) return status;
    state_->position = 0;
    state_->ready = true;
    return 0;
}

std::int32_t ClRuleShiwake::MoveNext(StSWKTINFO* line) {
    StandIn::World& world = StandIn::World::Get();
    if (std::int32_t status = state_->MoveCall("ClRuleShiwake::MoveNext", line)) return status;
    const std::vector<BookLine>& journal = world.DataSet(state_->dataSet)->journal;
    while (state_->position < journal.size()) {
        std::size_t index = state_->position++;
        const BookLine& book = journal[index];
        if (!state_->condition.Matches(book)) continue;
        std::memset(line, 0, sizeof *line);
        line->serial = static_cast<std::int32_t>(index + 1);
        line->date = book.date;
        line->monthKind = book.MonthKind();
        FillSide(line->debit, book.Side(1));
        FillSide(line->credit, book.Side(2));
        return 0;
    }
    return CoreStatus::EndOfRecords;
}

std::int32_t ClRuleShiwake::MoveFinish() {
    if (auto fault = StandIn::World::Get().Fault("ClRuleShiwake::MoveFinish")) return *fault;
    state_->ready = false;
    return 0;
}
