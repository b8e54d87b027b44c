#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/ParameterValue.h"

// A frame as the unit sends it: STX, length, command byte, items, checksum. Items of two-byte
// values are index, high byte, low byte; other values are 0xFF, index, length, bytes.
class UnitFrame {
public:
    explicit UnitFrame(std::uint8_t command) : payload_{command} {}

    // False, leaving the frame as it was, when the item would take the length past one byte.
    bool add(std::uint8_t index, const ParameterValue& value);
    std::vector<std::uint8_t> bytes() const;

    // The two's complement of the 8-bit sum, so that the counted bytes and it sum to 0.
    static std::uint8_t checksum(std::span<const std::uint8_t> counted);

private:
    static constexpr std::size_t maxLength = 255;

    std::vector<std::uint8_t> payload_;
};
