#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "LineEvent.h"
#include "MeterAnimator.h"
#include "RequestDecoder.h"
#include "UnitRequest.h"
#include "UnitSettings.h"
#include "link/DummyVx41Protocol.h"

class Clock;
class FaultInjector;

// The unit's side of each exchange, over the state of an off-line unit: it acknowledges frames,
// applies writes, prepares replies to read requests, answers polls and sends a prepared reply when
// authorised. A frame with a wrong checksum or without a command byte is answered ERROR in place of
// ACK and changes nothing, so the PC fails at once instead of waiting out its time-out.
class EmulatedUnit {
public:
    EmulatedUnit(const UnitSettings& settings, const Clock& clock, FaultInjector& faults);

    // The bytes the unit answers with, before any fault is injected.
    std::vector<std::uint8_t> handle(const LineEvent& event);

    const DummyVx41Protocol& state() const { return state_; }

private:
    std::vector<std::uint8_t> answerPoll();
    std::vector<std::uint8_t> answerFrame(const std::vector<std::uint8_t>& payload);
    std::vector<std::uint8_t> transmitReply();
    void acknowledged();
    void apply(const UnitRequest& request);
    std::vector<std::uint8_t> reply(std::uint8_t number, const std::vector<std::uint8_t>& indexes);

    const Clock& clock_;
    FaultInjector& faults_;
    std::uint32_t writeDelayMs_;
    std::unique_ptr<MeterAnimator> animator_;
    DummyVx41Protocol state_;
    RequestDecoder decoder_;
    std::uint64_t busyUntilMs_ = 0;
    std::vector<std::uint8_t> pendingReply_;
    bool replySent_ = false;
};
