// The two journal readers on the same books: the host's (simdjson On-Demand) and the plain scan
// that the Windows build reads its journals with. The books are made in memory: 200,000 lines
// of the shape scripts/generate-books writes. Run: build-release/benchmarks/journal_reader_benchmark
#include "core_api/standin/BooksLoader.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string& Books() {
    static const std::string books = [] {
        std::string text = R"({"selection": [1, 1], "dataSets": [{"number": 1, "period": [20240401, 20250331], "journal": [)";
        for (int i = 0; i < 200000; ++i) {
            const int month = 4 + i % 9;
            text += std::string(i ? ",\n" : "\n") + R"({"date": 2024)" + (month < 10 ? "0" : "") + std::to_string(month) +
                    R"(15, "debit": {"account": )" + std::to_string(100 + i % 300) + R"(, "department": )" +
                    std::to_string(i % 50) + R"(, "amount": )" + std::to_string(1000 + i) +
                    R"(}, "credit": {"account": 500, "amount": )" + std::to_string(1000 + i) + R"(, "tax": )" +
                    std::to_string(i % 1000) + R"(, "category": 11, "rate": 1000, "reduced": false}})";
        }
        return text + "]}]}";
    }();
    return books;
}

void Read(benchmark::State& state, StandIn::JournalReading journals) {
    const std::string& text = Books();
    for (auto _ : state) {
        StandIn::Books books = StandIn::ReadBooksText(text, "books", {StandIn::kLinesPerChunk, journals});
        benchmark::DoNotOptimize(books.dataSets[0].journal.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["lines/s"] = benchmark::Counter(200000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BuildReader(benchmark::State& state) { Read(state, StandIn::JournalReading::Build); }
void ScanReader(benchmark::State& state) { Read(state, StandIn::JournalReading::Scan); }

BENCHMARK(BuildReader)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanReader)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
