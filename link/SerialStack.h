#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "link/GenericProtocol.h"
#include "model/SystemClock.h"

class FaultTolerantProtocol;
class LineTap;
class Protocol;
class SerialDevice;
class SerialDeviceImplementation;
class SerialProtocol;
class StoppableSerialDevice;
class TappedSerialDevice;

// The layers between a serial port and whoever exchanges with the unit: the device on the port
// with a place to listen to its bytes, the line protocol at the unit's address, the bridge that
// checks bulk answers, and five attempts per exchange. The line protocol is built at the first
// exchange, since building it drains the line, so the stack can be made on one thread and used
// on another.
class SerialStack {
public:
    static constexpr std::uint32_t attempts = 5;

    // port is not owned and must outlive the stack.
    SerialStack(SerialDeviceImplementation& port, std::uint16_t address,
                const Clock& clock = SystemClock::instance());
    ~SerialStack();
    SerialStack(const SerialStack&) = delete;
    SerialStack& operator=(const SerialStack&) = delete;

    // Builds the line protocol on first use; that may fail as any exchange may.
    GenericProtocol& top();
    // Shows the bytes of the line to tap (not owned; null to stop).
    void setTap(LineTap* tap);
    // Exchanges the line has failed so far, including those a later attempt made good.
    std::size_t damagedExchanges() const;
    // From any thread: the exchange under way and every later one fail at once.
    void stop();

private:
    SerialDeviceImplementation& port_;
    std::uint16_t address_;
    const Clock& clock_;
    // In build order, so that the top goes first.
    std::unique_ptr<SerialDevice> device_;
    std::unique_ptr<StoppableSerialDevice> stoppable_;
    std::unique_ptr<TappedSerialDevice> tapped_;
    std::unique_ptr<SerialProtocol> serial_;
    std::unique_ptr<Protocol> bridge_;
    std::unique_ptr<FaultTolerantProtocol> tolerant_;
};
