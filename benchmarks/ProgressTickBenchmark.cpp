// What the progress window costs a record on the host backend: one Tick as the journal passes
// make it, with the platform's clock and with a frame due at every look at the clock (a clock
// moved by hand: the upper bound of the window's own work).
#include "app/ProgressDialog.h"
#include "platform/host/HostSession.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

std::uint64_t now = 0;

void Tick(benchmark::State& state, ProgressDialog::Clock clock, std::uint64_t step) {
    HostConfig config;
    config.drives = "C:=/tmp";
    HostSession::Start(config);
    {
        ProgressDialog progress(nullptr, clock);
        progress.Create();
        progress.Start();
        progress.ResetActivity();
        for (auto _ : state) {
            now += step;
            progress.Tick();
        }
        benchmark::DoNotOptimize(progress.ActivityPosition());
    }
    HostSession::Stop();
}

// The platform's clock: a frame every 15 ms of the run, as in a program.
void BM_TickPlatformClock(benchmark::State& state) { Tick(state, platform::GetTickCount64, 0); }
void BM_TickFrameAtEveryLook(benchmark::State& state) {
    Tick(state, [] { return now; }, ProgressDialog::kFrameInterval);
}

BENCHMARK(BM_TickPlatformClock);
BENCHMARK(BM_TickFrameAtEveryLook);

}  // namespace

BENCHMARK_MAIN();
