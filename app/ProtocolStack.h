#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "app/LineThreadProtocol.h"
#include "app/ProgressProtocol.h"

class Clock;
class DummyVx41Protocol;
class LineTap;
class LineThread;
class PostingLineTap;
class Protocol;
class SerialDeviceImplementation;
class WaitCursorProtocol;

// The layers between the parameter set and the unit, built whole before the set is pointed at
// them. Connected: the serial stack on a port (not owned) on a thread of its own, with a place to
// listen to its bytes, and on the GUI thread its stand-in and the wait cursor; the stand-in
// reports what the line answered. Off line: the simulated unit behind a bridge, reporting each
// exchange to a listener.
class ProtocolStack {
public:
    static std::unique_ptr<ProtocolStack> offLine(ProgressProtocol::Listener exchanged);
    // port must be open and outlive the stack; from now on only the line's thread uses it.
    static std::unique_ptr<ProtocolStack> serial(SerialDeviceImplementation& port,
                                                 std::uint16_t address, const Clock& clock,
                                                 LineThreadProtocol::Hooks hooks,
                                                 std::function<bool()> portIsOpen);
    ~ProtocolStack();
    ProtocolStack(const ProtocolStack&) = delete;
    ProtocolStack& operator=(const ProtocolStack&) = delete;

    GenericProtocol& top() const { return *top_; }
    // The stand-in of the line's thread; null off line.
    LineThreadProtocol* line() const { return lineProtocol_.get(); }
    // Shows the bytes of the serial line to tap (not owned; null to stop); off line there are none.
    void setLineTap(LineTap* tap);

private:
    ProtocolStack();

    // Off line.
    std::unique_ptr<DummyVx41Protocol> unit_;
    std::unique_ptr<Protocol> bridge_;
    std::unique_ptr<ProgressProtocol> progress_;
    // Connected; the line's thread goes first, so nothing it runs outlives what it uses.
    std::unique_ptr<PostingLineTap> tap_;
    std::unique_ptr<LineThreadProtocol> lineProtocol_;
    std::unique_ptr<LineThread> lineThread_;
    std::unique_ptr<WaitCursorProtocol> waitCursor_;
    GenericProtocol* top_ = nullptr;
};
