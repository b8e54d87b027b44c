#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "app/ProgressProtocol.h"

class Clock;
class FaultTolerantProtocol;
class LineTap;
class Protocol;
class ProtocolImplementation;
class SerialDevice;
class SerialDeviceImplementation;
class TappedSerialDevice;
class SerialProtocol;
class WaitCursorProtocol;

// The layers between the parameter set and the unit, built whole before the set is pointed at
// them. Connected: the serial device on a port (not owned) with a place to listen to its bytes,
// the line protocol at the unit's
// address, the bridge, five attempts per exchange and the wait cursor. Off line: the simulated
// unit behind a bridge. Both end in the progress reports of long work.
class ProtocolStack {
public:
    static constexpr std::uint32_t attempts = 5;

    static std::unique_ptr<ProtocolStack> offLine();
    // port must be open and outlive the stack.
    static std::unique_ptr<ProtocolStack> serial(SerialDeviceImplementation& port,
                                                 std::uint16_t address, const Clock& clock);
    ~ProtocolStack();
    ProtocolStack(const ProtocolStack&) = delete;
    ProtocolStack& operator=(const ProtocolStack&) = delete;

    GenericProtocol& top() const { return *progress_; }
    void setProgressListener(ProgressProtocol::Listener listener);
    // Shows the bytes of the serial line to tap (not owned; null to stop); off line there are none.
    void setLineTap(LineTap* tap);
    // Exchanges the line has failed so far; none off line.
    std::size_t damagedExchanges() const;

private:
    ProtocolStack();
    void finish(GenericProtocol& below);

    // In build order, so that the top goes first.
    std::unique_ptr<SerialDevice> device_;
    std::unique_ptr<TappedSerialDevice> tapped_;
    std::unique_ptr<ProtocolImplementation> implementation_;
    std::unique_ptr<Protocol> bridge_;
    std::unique_ptr<FaultTolerantProtocol> tolerant_;
    std::unique_ptr<WaitCursorProtocol> waitCursor_;
    std::unique_ptr<ProgressProtocol> progress_;
    SerialProtocol* serial_ = nullptr; // implementation_ when connected
};
