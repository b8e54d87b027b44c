#include "EmulatedUnit.h"

#include "FaultInjector.h"
#include "link/SerialFrame.h"
#include "link/SerialKeyword.h"
#include "model/Clock.h"

#include <utility>

namespace {
// Index and two bytes, or marker, index, length and the bytes.
std::size_t itemSize(const ParameterValue& value) {
    return value.size() == 2 ? 3 : 3 + value.size();
}
} // namespace

EmulatedUnit::EmulatedUnit(const UnitSettings& settings, const Clock& clock, FaultInjector& faults)
    : clock_(clock), faults_(faults), writeDelayMs_(settings.writeDelayMs),
      animator_(settings.animateMeters ? std::make_unique<MeterAnimator>() : nullptr),
      decoder_(std::as_const(state_).values()) {}

std::vector<std::uint8_t> EmulatedUnit::handle(const LineEvent& event) {
    if (faults_.silenced())
        return {};
    switch (event.kind) {
    case LineEvent::Kind::Poll:
        return answerPoll();
    case LineEvent::Kind::Frame:
        return answerFrame(event.payload);
    case LineEvent::Kind::BadFrame:
        return {SerialKeyword::error};
    case LineEvent::Kind::Transmit:
        return transmitReply();
    case LineEvent::Kind::Acknowledge:
        acknowledged();
        return {};
    }
    return {};
}

std::vector<std::uint8_t> EmulatedUnit::answerPoll() {
    if (clock_.milliseconds() < busyUntilMs_ || faults_.takeBusyPoll())
        return {SerialKeyword::busy};
    if (!pendingReply_.empty())
        return {SerialKeyword::dataReady};
    return {SerialKeyword::ack};
}

std::vector<std::uint8_t> EmulatedUnit::answerFrame(const std::vector<std::uint8_t>& payload) {
    const auto request = decoder_.decode(payload);
    if (!request)
        return {SerialKeyword::error};
    if (!faults_.admitRequest())
        return {};
    // A new request supersedes a reply the PC never collected.
    pendingReply_.clear();
    replySent_ = false;
    apply(*request);
    return {SerialKeyword::ack};
}

void EmulatedUnit::apply(const UnitRequest& request) {
    if (request.kind == UnitRequest::Kind::Write) {
        state_.write(request.writeId, request.value, 0);
        busyUntilMs_ = clock_.milliseconds() + writeDelayMs_;
        return;
    }
    pendingReply_ = reply(request.readNumber, request.readIndexes);
}

// Values that would take the frame past its one-byte length are left out; the PC then sees an
// incomplete answer instead of a frame whose length lies.
std::vector<std::uint8_t> EmulatedUnit::reply(std::uint8_t number,
                                              const std::vector<std::uint8_t>& indexes) {
    if (animator_)
        animator_->move(state_, clock_.milliseconds());
    SerialFrame frame(number);
    for (std::uint8_t index : indexes) {
        const ParameterValue value = state_.read(ParameterId(number, index));
        if (frame.payload().size() + itemSize(value) <= SerialFrame::maxPayload)
            frame.addItem(index, value);
    }
    return frame.encode();
}

std::vector<std::uint8_t> EmulatedUnit::transmitReply() {
    if (pendingReply_.empty())
        return {};
    replySent_ = true;
    return pendingReply_;
}

void EmulatedUnit::acknowledged() {
    if (!replySent_)
        return;
    pendingReply_.clear();
    replySent_ = false;
}
