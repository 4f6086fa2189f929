// The journal work of a whole-year run after the conditions dialog, over large generated books
// (TXLINK_BENCH_BOOKS names the folder of corporate.json; benchmarks/run-refund makes it):
//   CountAndSum     the core calls that only count or sum, as the program makes them: the two
//                   checks before the aggregation, the return rule's sums, the company's
//                   account totals and the refund pass's line count
//   AfterDialog     the checks, the return figures and the refund statement's aggregation
// Before each iteration the stand-in forgets what it computed from the journal, so that every
// iteration pays for it as a run does once.
#include "aggregate/AggregationContext.h"
#include "aggregate/CoreObjects.h"
#include "aggregate/NotTaxablePurchaseCondition.h"
#include "aggregate/RefundAggregation.h"
#include "aggregate/ReturnFigures.h"
#include "app/TargetChecks.h"
#include "conditions/FiscalYear.h"
#include "conditions/MonthCondition.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClRuleKamoku.h"
#include "core_api/ClRuleShiwake.h"
#include "core_api/ClSetData.h"
#include "core_api/ClSetShohizei.h"
#include "core_api/SetObject.h"
#include "core_api/StKAMOKUSUMINFO.h"
#include "core_api/standin/StandIn.h"
#include "tests/support/NoActivity.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct LoadedBooks {
    StDATAINFO dataSet{};
    StSHOHIZEIINFO settings{};
};

const LoadedBooks& Books() {
    static const LoadedBooks loaded = [] {
        const char* folder = std::getenv("TXLINK_BENCH_BOOKS");
        StandIn::LoadBooksFile(std::string(folder != nullptr ? folder : ".") + "/corporate.json");
        LoadedBooks books;
        books.dataSet = *DataManagerSetObject<SetObject::DataSets>()->GetSelectedInfo();
        DataManagerSetObject<SetObject::TaxSettings>()->Get(&books.settings);
        return books;
    }();
    return loaded;
}

void PrepareContext(AggregationContext& context, const StDATAINFO& dataSet) {
    const FiscalYear year = GetFiscalYear(dataSet.periodFirst, dataSet.periodLast);
    BuildMonthCondition(context.monthCondition, year, year.firstMonth, year.LastCalendarMonth(),
                        dataSet.interimSetting);
}

void ReturnSums(AggregationContext& context) {
    std::vector<StTAXREPORTRATEINFO> rates(5);
    std::vector<StTAXREPORTBUSINESSTYPEINFO> businessTypes(5 * kBusinessTypesPerRate);
    ReturnFigures(context, rates, businessTypes, 0);
    benchmark::DoNotOptimize(rates.data());
}

void CompanyAccountTotals(AggregationContext& context) {
    if (!EnsureRule(context.accountRule)) return;
    ClRuleKamoku& rule = *context.accountRule;
    rule.MoveReady(ClRuleKamoku::_RuleKamokuSumType_Base_Period, ClRuleKamoku::_RuleKamokuSumType_Bmn_Company,
                   ClRuleKamoku::_RuleKamokuSumType_Disptype_Normal, context.monthCondition.Info(), nullptr,
                   ClRuleKamoku::_RuleKamokuSumType_Past_Current);
    std::int32_t count = 0;
    rule.GetSumCount(count);
    rule.SetMovePos(0);
    StKAMOKUSUMINFO record{};
    for (std::int32_t i = 0; i < count && rule.MoveNext(&record) == 0; ++i) benchmark::DoNotOptimize(record);
    rule.MoveFinish();
}

void RefundLineCount(AggregationContext& context) {
    auto rule = NewBoundRule<ClRuleShiwake>();
    const NotTaxablePurchaseCondition condition(context);
    std::uint32_t count = 0;
    rule->GetSwkCount(condition.Info(), nullptr, count);
    benchmark::DoNotOptimize(count);
}

void Checks(AggregationContext& context) {
    std::int32_t sixth = 0;
    CountSixthBusinessCategory(context, sixth);
    benchmark::DoNotOptimize(sixth);
    benchmark::DoNotOptimize(HasUndeterminedImportTax(context));
}

template <class Work>
void Measure(benchmark::State& state, Work work) {
    const LoadedBooks& books = Books();
    NoActivity activity;
    for (auto _ : state) {
        state.PauseTiming();
        StandIn::ForgetJournalFigures();
        StandIn::ClearCallLog();
        state.ResumeTiming();
        AggregationContext context(activity);
        PrepareContext(context, books.dataSet);
        work(context, books);
        state.PauseTiming();
        context.Release();
        state.ResumeTiming();
    }
}

void CountAndSum(benchmark::State& state) {
    Measure(state, [](AggregationContext& context, const LoadedBooks&) {
        Checks(context);
        ReturnSums(context);
        CompanyAccountTotals(context);
        RefundLineCount(context);
    });
}

void AfterDialog(benchmark::State& state) {
    Measure(state, [](AggregationContext& context, const LoadedBooks& books) {
        Checks(context);
        ReturnSums(context);
        TaxTotals totals;
        AggregateCorporateRefund(context, totals, books.dataSet, books.settings);
        benchmark::DoNotOptimize(totals);
    });
}

BENCHMARK(CountAndSum)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(AfterDialog)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
