// How close the serial stack comes to the line's own speed: reads every parameter a freshly reset
// unit holds from the emulated unit, paced at the line rate, in grouped requests and one by one,
// then runs the program's own full refresh and one cycle of its polling schedule, and sets each
// time taken beside the time the counted bytes need on the wire. A reply frame
// must arrive within the line's 200 ms read time-out, which at 9600 baud long replies cannot.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "CountingSerialDevice.h"
#include "catalogue/Vx41Params.h"
#include "link/DummyVx41Protocol.h"
#include "link/FaultTolerantProtocol.h"
#include "link/Protocol.h"
#include "link/ProtocolException.h"
#include "link/SerialDevice.h"
#include "link/SerialFrame.h"
#include "link/SerialProtocol.h"
#include "link/posix/PosixSerialPort.h"
#include "support/EmulatorProcess.h"

namespace {
constexpr std::uint16_t address = 0x8280;
constexpr std::uint32_t attempts = 5;
constexpr double bitsPerByte = 10.0;

// Index and two bytes, or marker, index, length and the bytes.
std::size_t replyItemSize(const ParameterValue& value) {
    return value.size() == 2 ? 3 : 3 + value.size();
}

// The ids of each number, cut where the reply would outgrow one frame, as the program's refresh
// categories split the long families.
std::vector<ParameterIdSet> requestGroups(const ParameterValueMap& held) {
    std::vector<ParameterIdSet> groups;
    std::size_t replySize = 0;
    for (const auto& [id, value] : held) {
        const std::size_t item = replyItemSize(value);
        const bool sameNumber = !groups.empty() && groups.back().back().number == id.number;
        if (!sameNumber || replySize + item > SerialFrame::maxPayload) {
            groups.emplace_back();
            replySize = 1; // the command byte
        }
        groups.back().push_back(id);
        replySize += item;
    }
    return groups;
}

struct Pass {
    std::string name;
    std::size_t requests = 0;
    std::size_t sent = 0;
    std::size_t received = 0;
    double seconds = 0;
    std::size_t mismatches = 0;
    std::string failure;
};

Pass measure(const std::string& name, CountingSerialDevice& counter,
             const std::function<std::size_t(std::size_t&)>& run) {
    Pass pass;
    pass.name = name;
    counter.resetCounts();
    const auto start = std::chrono::steady_clock::now();
    try {
        pass.requests = run(pass.mismatches);
    } catch (const ProtocolException& failure) {
        pass.failure = failure.what();
    }
    pass.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    pass.sent = counter.sent();
    pass.received = counter.received();
    return pass;
}

void report(const Pass& pass, std::uint32_t baud) {
    if (!pass.failure.empty()) {
        std::printf("%-22s failed after %.3f s: %s\n", pass.name.c_str(), pass.seconds,
                    pass.failure.c_str());
        return;
    }
    const std::size_t bytes = pass.sent + pass.received;
    const double wire = static_cast<double>(bytes) * bitsPerByte / baud;
    std::printf("%-22s %5zu calls  %6zu bytes out  %6zu bytes in  %8.3f s  wire %8.3f s  "
                "ratio %5.2f  mismatches %zu\n",
                pass.name.c_str(), pass.requests, pass.sent, pass.received, pass.seconds, wire,
                pass.seconds / wire, pass.mismatches);
}
} // namespace

int main(int argc, char** argv) {
    const std::uint32_t baud = argc > 1 ? static_cast<std::uint32_t>(std::atoi(argv[1])) : 115200;
    try {
        EmulatorProcess emulator(VX41_EMULATOR, {"--pace", "--baud", std::to_string(baud)});
        PosixSerialPort port(emulator.linePath(), baud);
        SerialDevice device(port);
        CountingSerialDevice counter(device);
        SerialProtocol line(address, &counter);
        Protocol bridge(line);
        FaultTolerantProtocol unit(bridge, attempts);

        const DummyVx41Protocol fresh;
        const ParameterValueMap& held = fresh.values();
        std::printf("%zu parameters at %u baud, paced\n", held.size(), baud);

        const Pass grouped = measure("grouped (readMany)", counter, [&](std::size_t& mismatches) {
            const auto groups = requestGroups(held);
            for (const ParameterIdSet& ids : groups) {
                ParameterValueMap values;
                unit.readMany(ids, values);
                for (const ParameterId& id : ids)
                    mismatches += values.at(id) == held.at(id) ? 0 : 1;
            }
            return groups.size();
        });
        report(grouped, baud);

        const Pass single = measure("one by one (read)", counter, [&](std::size_t& mismatches) {
            for (const auto& [id, value] : held)
                mismatches += unit.read(id) == value ? 0 : 1;
            return held.size();
        });
        report(single, baud);
        // What the program itself sends: its full refresh at connect, and one cycle of the polling
        // clock's schedule (the clock's own 30 ms pauses left out).
        Vx41Params catalogue(unit);
        const Pass refresh = measure("program full refresh", counter, [&](std::size_t&) {
            catalogue.refreshEverything();
            return std::size_t{5};
        });
        report(refresh, baud);
        const Pass cycle = measure("program poll cycle", counter, [&](std::size_t&) {
            constexpr std::size_t scheduleSteps = 16;
            for (std::size_t step = 0; step < scheduleSteps; ++step)
                catalogue.pollNext();
            return scheduleSteps;
        });
        report(cycle, baud);

        const bool clean = grouped.failure.empty() && single.failure.empty() &&
                           refresh.failure.empty() && cycle.failure.empty() &&
                           grouped.mismatches + single.mismatches == 0;
        return clean ? EXIT_SUCCESS : EXIT_FAILURE;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "serial-throughput: %s\n", failure.what());
        return EXIT_FAILURE;
    }
}
