#include "LineDecoder.h"

#include <span>

#include "link/SerialFrame.h"
#include "link/SerialKeyword.h"

LineDecoder::LineDecoder(std::uint16_t address)
    : selectHigh_(static_cast<std::uint8_t>(address >> 8)),
      selectLow_(static_cast<std::uint8_t>(address & 0xFF)),
      // Only the low byte counts up: 0x82FF polls at 0x82 0x00.
      pollLow_(static_cast<std::uint8_t>(selectLow_ + 1)) {}

std::optional<LineEvent> LineDecoder::feed(std::uint8_t byte) {
    switch (state_) {
    case State::Idle:
        if (byte == SerialKeyword::breakKey)
            state_ = State::AddressHigh;
        return std::nullopt;
    case State::AddressHigh:
        // Any byte here is the address, even one equal to BREAK (addresses 0xFBxx exist).
        high_ = byte;
        state_ = State::AddressLow;
        return std::nullopt;
    case State::AddressLow:
        return addressComplete(byte);
    case State::Selected:
        return afterSelect(byte);
    case State::OtherSelected:
        afterOtherSelect(byte);
        return std::nullopt;
    case State::Length:
        remaining_ = std::size_t{byte} + 1;
        frame_.assign(1, byte);
        state_ = State::Body;
        return std::nullopt;
    case State::Body:
        return frameByte(byte);
    case State::SkipLength:
        remaining_ = std::size_t{byte} + 1;
        state_ = State::SkipBody;
        return std::nullopt;
    case State::SkipBody:
        skipByte();
        return std::nullopt;
    case State::Transmitted:
        return afterTransmit(byte);
    }
    return std::nullopt;
}

void LineDecoder::reset() {
    state_ = State::Idle;
    frame_.clear();
}

bool LineDecoder::midMessage() const {
    switch (state_) {
    case State::AddressHigh:
    case State::AddressLow:
    case State::Length:
    case State::Body:
    case State::SkipLength:
    case State::SkipBody:
        return true;
    default:
        return false;
    }
}

std::optional<LineEvent> LineDecoder::addressComplete(std::uint8_t low) {
    if (high_ == selectHigh_ && low == selectLow_) {
        state_ = State::Selected;
        return std::nullopt;
    }
    if (high_ == selectHigh_ && low == pollLow_) {
        state_ = State::Idle;
        return LineEvent{LineEvent::Kind::Poll, {}};
    }
    // Another unit's select or poll: only a select can be followed by a frame.
    state_ = State::OtherSelected;
    return std::nullopt;
}

std::optional<LineEvent> LineDecoder::afterSelect(std::uint8_t byte) {
    switch (byte) {
    case SerialKeyword::stx:
        state_ = State::Length;
        return std::nullopt;
    case SerialKeyword::transmit:
        state_ = State::Transmitted;
        return LineEvent{LineEvent::Kind::Transmit, {}};
    case SerialKeyword::breakKey:
        state_ = State::AddressHigh;
        return std::nullopt;
    default:
        state_ = State::Idle;
        return std::nullopt;
    }
}

void LineDecoder::afterOtherSelect(std::uint8_t byte) {
    if (byte == SerialKeyword::stx)
        state_ = State::SkipLength;
    else if (byte == SerialKeyword::breakKey)
        state_ = State::AddressHigh;
    else
        state_ = State::Idle;
}

std::optional<LineEvent> LineDecoder::frameByte(std::uint8_t byte) {
    frame_.push_back(byte);
    if (--remaining_ > 0)
        return std::nullopt;
    state_ = State::Idle;
    return completeFrame();
}

void LineDecoder::skipByte() {
    if (--remaining_ == 0)
        state_ = State::Idle;
}

std::optional<LineEvent> LineDecoder::afterTransmit(std::uint8_t byte) {
    if (byte == SerialKeyword::ack) {
        state_ = State::Idle;
        return LineEvent{LineEvent::Kind::Acknowledge, {}};
    }
    state_ = byte == SerialKeyword::breakKey ? State::AddressHigh : State::Idle;
    return std::nullopt;
}

// frame_ holds the length byte, the payload and the checksum.
LineEvent LineDecoder::completeFrame() const {
    const std::span<const std::uint8_t> payload(frame_.begin() + 1, frame_.end() - 1);
    if (SerialFrame::checksum(frame_.front(), payload) != frame_.back())
        return LineEvent{LineEvent::Kind::BadFrame, {}};
    return LineEvent{LineEvent::Kind::Frame, {payload.begin(), payload.end()}};
}
