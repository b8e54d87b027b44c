#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "LineEvent.h"

// Splits the bytes the PC sends into what concerns one unit on the bus. Addresses of other units
// are ignored, and so is a frame sent after another unit's select, so that its bytes are never
// mistaken for a BREAK and an address.
class LineDecoder {
public:
    explicit LineDecoder(std::uint16_t address);

    std::optional<LineEvent> feed(std::uint8_t byte);
    // Forgets a half-received address or frame, as after a pause on the line.
    void reset();
    bool midMessage() const;

private:
    enum class State {
        Idle,
        AddressHigh,
        AddressLow,
        Selected,
        OtherSelected,
        Length,
        Body,
        SkipLength,
        SkipBody,
        Transmitted,
    };

    std::optional<LineEvent> addressComplete(std::uint8_t low);
    std::optional<LineEvent> afterSelect(std::uint8_t byte);
    void afterOtherSelect(std::uint8_t byte);
    std::optional<LineEvent> frameByte(std::uint8_t byte);
    void skipByte();
    std::optional<LineEvent> afterTransmit(std::uint8_t byte);
    LineEvent completeFrame() const;

    std::uint8_t selectHigh_;
    std::uint8_t selectLow_;
    std::uint8_t pollLow_;
    State state_ = State::Idle;
    std::uint8_t high_ = 0;
    std::size_t remaining_ = 0;
    std::vector<std::uint8_t> frame_;
};
