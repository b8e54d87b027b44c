#pragma once

#include <cstdint>
#include <string>

#include "link/FaultTolerantProtocol.h"
#include "link/Protocol.h"
#include "link/SerialDevice.h"
#include "link/SerialProtocol.h"
#include "link/posix/PosixSerialPort.h"

// The connected program's stack, bottom up, on the line at path: port, device, line protocol,
// bridge and five attempts per exchange.
class SerialStack {
public:
    static constexpr std::uint16_t address = 0x8280;
    static constexpr std::uint32_t attempts = 5;

    SerialStack(const std::string& path, std::uint32_t baud)
        : port_(path, baud), device_(port_), line_(address, &device_), bridge_(line_),
          top_(bridge_, attempts) {}

    GenericProtocol& top() { return top_; }

private:
    PosixSerialPort port_;
    SerialDevice device_;
    SerialProtocol line_;
    Protocol bridge_;
    FaultTolerantProtocol top_;
};
