#pragma once

#include <cstdint>
#include <string>

#include "link/FaultTolerantProtocol.h"
#include "link/Protocol.h"
#include "link/SerialDevice.h"
#include "link/SerialProtocol.h"
#include "link/posix/PosixSerialPort.h"

// The connected program's stack, bottom up, on the line at path: port, device, line protocol for
// the unit at 8280, bridge and five attempts per exchange.
struct SerialStack {
    SerialStack(const std::string& path, std::uint32_t baud)
        : port(path, baud), device(port), line(0x8280, &device), bridge(line), top(bridge, 5) {}

    PosixSerialPort port;
    SerialDevice device;
    SerialProtocol line;
    Protocol bridge;
    FaultTolerantProtocol top;
};
