// The catalogue's costs off line: building it (once per run), a full refresh (at every connect and
// before saving) and one step of the 30 ms polling clock, which runs on the user-interface thread.
#include <benchmark/benchmark.h>

#include "catalogue/Vx41Params.h"
#include "link/DummyVx41Protocol.h"
#include "link/Protocol.h"
#include "support/FakeClock.h"

namespace {

// An off-line unit and a clock past the compounds' hold-off, so every refresh group is complete.
struct OffLine {
    OffLine() { clock.advanceSeconds(3); }

    DummyVx41Protocol unit;
    Protocol link{unit};
    FakeClock clock;
};

void buildCatalogue(benchmark::State& state) {
    OffLine offLine;
    for (auto _ : state) {
        Vx41Params params(offLine.link, offLine.clock);
        benchmark::DoNotOptimize(&params);
    }
}
BENCHMARK(buildCatalogue)->Unit(benchmark::kMillisecond);

void refreshEverything(benchmark::State& state) {
    OffLine offLine;
    Vx41Params params(offLine.link, offLine.clock);
    offLine.clock.advanceSeconds(3);
    for (auto _ : state)
        params.refreshEverything();
}
BENCHMARK(refreshEverything)->Unit(benchmark::kMillisecond);

// Averaged over whole cycles of the schedule: the meters, the compounds and the setup groups.
void pollNext(benchmark::State& state) {
    OffLine offLine;
    Vx41Params params(offLine.link, offLine.clock);
    offLine.clock.advanceSeconds(3);
    params.refreshEverything();
    for (auto _ : state)
        params.pollNext();
}
BENCHMARK(pollNext)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
