#include <iostream>
#include <memory>

#include "EmulatorCommandLine.h"
#include "EmulatorServer.h"
#include "LinePacer.h"
#include "PseudoTerminalEndpoint.h"
#include "SerialLineEndpoint.h"
#include "SignalWatcher.h"
#include "SymbolicLink.h"
#include "UnitLine.h"
#include "model/SystemClock.h"

namespace {
std::unique_ptr<UnitEndpoint> openEndpoint(const EmulatorOptions& options) {
    if (options.device)
        return std::make_unique<SerialLineEndpoint>(*options.device, options.baud);
    return std::make_unique<PseudoTerminalEndpoint>(options.baud);
}

int serve(const EmulatorOptions& options) {
    // First, so that a stop signal during start-up still lets everything be undone.
    SignalWatcher signals;
    const auto endpoint = openEndpoint(options);
    std::unique_ptr<SymbolicLink> link;
    if (options.link)
        link = std::make_unique<SymbolicLink>(endpoint->clientPath(), *options.link);
    UnitLine line(options.unit, SystemClock::instance());
    LinePacer pacer(endpoint->fd(), options.baud, options.pace);
    std::cout << endpoint->clientPath() << std::endl;
    EmulatorServer(*endpoint, line, pacer, signals).run();
    return EmulatorCommandLine::stopped;
}
} // namespace

int main(int argc, char** argv) {
    EmulatorCommandLine commandLine;
    if (const auto exitCode = commandLine.parse(argc, argv))
        return *exitCode;
    try {
        return serve(commandLine.options());
    } catch (const std::exception& failure) {
        std::cerr << "vx41-emulator: " << failure.what() << std::endl;
        return EmulatorCommandLine::failed;
    }
}
