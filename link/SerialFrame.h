#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/ParameterValueMap.h"

// The payload of one frame of the serial line (the command byte and the items) and its wire form:
// STX, length, payload, checksum. Builds requests, checks and reads replies; does no I/O, so the
// unit's side of the line can use it as well.
class SerialFrame {
public:
    // The length byte counts the payload, so a frame carries at most this many payload bytes.
    static constexpr std::size_t maxPayload = 255;
    // Marks an item whose value is not exactly two bytes: marker, index, length, value bytes.
    static constexpr std::uint8_t extendedItem = 0xFF;

    // A frame of length 0, without even a command byte.
    SerialFrame() = default;
    explicit SerialFrame(std::uint8_t command);
    // Takes a received payload as it is.
    explicit SerialFrame(std::span<const std::uint8_t> payload);

    // The frame that writes value under id: one item.
    static SerialFrame writeRequest(const ParameterId& id, const ParameterValue& value);
    // The frame that asks for the given indexes of one number, in the order given.
    static SerialFrame readRequest(std::uint8_t number, const std::vector<std::uint8_t>& indexes);

    // The constructors, the builders and addItem throw a QuenlarException, leaving the frame as
    // it was, when the payload would not fit the length byte: such a frame cannot be sent at all.
    void addItem(std::uint8_t index, const ParameterValue& value);

    const std::vector<std::uint8_t>& payload() const { return payload_; }
    std::vector<std::uint8_t> encode() const;

    // Adds the items of a reply to values, a later item overwriting an earlier one of the same
    // id. Trailing bytes too few to form an item are ignored; an extended item cut short by the
    // end of the frame keeps the value bytes that are there.
    void readItems(ParameterValueMap& values) const;

    // Makes the sum of length, payload and checksum 0 modulo 256.
    static std::uint8_t checksum(std::uint8_t length, std::span<const std::uint8_t> payload);

private:
    void append(std::span<const std::uint8_t> bytes);
    ParameterValue valueAt(std::size_t start, std::size_t size) const;

    std::vector<std::uint8_t> payload_;
};
