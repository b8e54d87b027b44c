// The POSIX port over a pseudo-terminal. A reply must be taken the moment it is complete, a
// silent line must cost no more than the time-out, and a line that hung up must cost nothing.
#include <benchmark/benchmark.h>

#include <vector>

#include "link/posix/PosixSerialPort.h"
#include "support/PseudoTerminal.h"

namespace {

const std::vector<std::uint8_t> replyFrame{0x02, 0x04, 0x21, 0x05, 0x00, 0x01, 0xD5};

void replyFrameArrives(benchmark::State& state) {
    PseudoTerminal line;
    PosixSerialPort port(line.slavePath(), 115200);
    port.setTimeout(200);
    std::uint8_t frame[7];
    for (auto _ : state) {
        line.send(replyFrame);
        benchmark::DoNotOptimize(port.read(frame, sizeof(frame)));
    }
}
BENCHMARK(replyFrameArrives);

void silentLineTimesOut(benchmark::State& state) {
    PseudoTerminal line;
    PosixSerialPort port(line.slavePath(), 115200);
    port.setTimeout(static_cast<std::uint32_t>(state.range(0)));
    std::uint8_t byte;
    for (auto _ : state)
        benchmark::DoNotOptimize(port.read(&byte, 1));
}
BENCHMARK(silentLineTimesOut)->Arg(20)->Arg(200)->Iterations(20)->Unit(benchmark::kMillisecond);

void hungUpLineAnswersAtOnce(benchmark::State& state) {
    PseudoTerminal line;
    PosixSerialPort port(line.slavePath(), 115200);
    port.setTimeout(200);
    line.hangUp();
    std::uint8_t byte;
    for (auto _ : state)
        benchmark::DoNotOptimize(port.read(&byte, 1));
}
BENCHMARK(hungUpLineAnswersAtOnce);

} // namespace

BENCHMARK_MAIN();
