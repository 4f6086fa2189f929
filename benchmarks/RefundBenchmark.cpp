// The refund-statement aggregation over large generated books, each beside its bare pass (the
// same core calls and records, nothing aggregated). TXLINK_BENCH_BOOKS names the folder that
// holds corporate.json and individual.json (benchmarks/run-refund makes them). At the end the
// ratio of each aggregation to its bare pass is printed, from the median CPU and real times.
#include "aggregate/RefundAggregation.h"
#include "benchmarks/BarePasses.h"
#include "conditions/FiscalYear.h"
#include "conditions/MonthCondition.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClSetData.h"
#include "core_api/ClSetShohizei.h"
#include "core_api/SetObject.h"
#include "core_api/standin/StandIn.h"
#include "tests/support/NoActivity.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

struct LoadedBooks {
    std::string file;
    StDATAINFO dataSet{};
    StSHOHIZEIINFO settings{};
};

// A kind of books: the file's name, its bare pass and its aggregation.
struct BooksKind {
    const char* name;  // of the benchmarks: name + "Bare", name + "Aggregation"
    const char* file;  // in TXLINK_BENCH_BOOKS, without ".json"
    void (*bare)(AggregationContext& context);
    bool (*aggregate)(AggregationContext& context, TaxTotals& totals, const StDATAINFO& dataSet,
                      const StSHOHIZEIINFO& settings);
};

constexpr BooksKind kKinds[] = {
    {"Corporate", "corporate", BareCorporatePass, AggregateCorporateRefund},
    {"Individual", "individual", BareIndividualPass, AggregateIndividualRefund},
};

LoadedBooks& Loaded() {
    static LoadedBooks loaded;
    return loaded;
}

// The whole year, its closing periods included.
void PrepareContext(AggregationContext& context, const StDATAINFO& dataSet) {
    const FiscalYear year = GetFiscalYear(dataSet.periodFirst, dataSet.periodLast);
    BuildMonthCondition(context.monthCondition, year, year.firstMonth, year.LastCalendarMonth(),
                        dataSet.interimSetting);
}

// Loads the books of this kind when the previous benchmark ran on the other kind (each one
// after the other, or in random order), and warms the stand-in's account totals with a bare pass
// so that no measured pass pays for them.
const LoadedBooks& Books(const BooksKind& kind) {
    LoadedBooks& loaded = Loaded();
    if (loaded.file == kind.file) return loaded;
    const char* folder = std::getenv("TXLINK_BENCH_BOOKS");
    StandIn::LoadBooksFile(std::string(folder != nullptr ? folder : ".") + "/" + kind.file + ".json");
    loaded.file = kind.file;
    auto* dataSets = DataManagerSetObject<SetObject::DataSets>();
    loaded.dataSet = *dataSets->GetSelectedInfo();
    auto* taxSettings = DataManagerSetObject<SetObject::TaxSettings>();
    loaded.settings = StSHOHIZEIINFO{};
    taxSettings->Get(&loaded.settings);
    NoActivity activity;
    AggregationContext context(activity);
    PrepareContext(context, loaded.dataSet);
    kind.bare(context);
    StandIn::ClearCallLog();
    return loaded;
}

template <class Pass>
void Measure(benchmark::State& state, const BooksKind& kind, Pass pass) {
    const LoadedBooks& books = Books(kind);
    NoActivity activity;
    for (auto _ : state) {
        AggregationContext context(activity);
        PrepareContext(context, books.dataSet);
        TaxTotals totals;
        pass(context, totals, books);
        benchmark::DoNotOptimize(totals);
        state.PauseTiming();
        context.Release();
        StandIn::ClearCallLog();
        state.ResumeTiming();
    }
}

void Configure(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

// Each kind's bare pass, then its aggregation.
void RegisterBenchmarks() {
    for (const BooksKind& kind : kKinds) {
        benchmark::RegisterBenchmark((std::string(kind.name) + "Bare").c_str(), [&kind](benchmark::State& state) {
            Measure(state, kind, [&](AggregationContext& context, TaxTotals&, const LoadedBooks&) { kind.bare(context); });
        })->Apply(Configure);
        benchmark::RegisterBenchmark(
            (std::string(kind.name) + "Aggregation").c_str(), [&kind](benchmark::State& state) {
                Measure(state, kind, [&](AggregationContext& context, TaxTotals& totals, const LoadedBooks& books) {
                    kind.aggregate(context, totals, books.dataSet, books.settings);
                });
            })->Apply(Configure);
    }
}

// Keeps the median CPU and real times of each benchmark for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name != "median") continue;
            medians_[run.run_name.function_name] = {run.GetAdjustedCPUTime(), run.GetAdjustedRealTime()};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const {
        for (const BooksKind& kind : kKinds) {
            const auto bare = medians_.find(std::string(kind.name) + "Bare");
            const auto aggregation = medians_.find(std::string(kind.name) + "Aggregation");
            if (bare == medians_.end() || aggregation == medians_.end()) continue;
            if (bare->second.cpu <= 0 || bare->second.real <= 0) continue;
            std::printf("%s: aggregation / bare pass = %.3f (CPU time), %.3f (real time)\n", kind.name,
                        aggregation->second.cpu / bare->second.cpu, aggregation->second.real / bare->second.real);
        }
    }

private:
    struct Times {
        double cpu;
        double real;
    };
    std::map<std::string, Times> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    RegisterBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
