#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "link/GenericProtocol.h"

class DummyVx41Protocol;
class LineTap;
class NamedSerialPort;
class Protocol;
class SerialStack;

// The protocol stack the program uses: serial port, line protocol, bridge and five attempts per
// exchange; or, without a port, the off-line unit behind a plain bridge.
class UnitConnection {
public:
    struct Settings {
        // A device path, tcp://HOST:PORT or rfc2217://HOST:PORT; none: off line.
        std::optional<std::string> port;
        std::uint32_t baud = 115200;
        std::uint16_t address = 0x8280;
    };

    explicit UnitConnection(const Settings& settings);
    ~UnitConnection();
    UnitConnection(const UnitConnection&) = delete;
    UnitConnection& operator=(const UnitConnection&) = delete;

    GenericProtocol& protocol() const;
    bool offline() const { return !port_; }
    // Shows the serial traffic to tap (not owned; null to stop); off line there is none.
    void setTap(LineTap* tap);
    // Exchanges the line has failed so far; none off line.
    std::size_t damagedExchanges() const;

private:
    // Declared in build order; destroyed top first.
    std::unique_ptr<NamedSerialPort> port_;
    std::unique_ptr<SerialStack> stack_;
    std::unique_ptr<DummyVx41Protocol> offLineUnit_;
    std::unique_ptr<Protocol> offLineBridge_;
};
