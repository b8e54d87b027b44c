#pragma once

#include <cstdint>

// The single-byte keywords of the serial line.
struct LineKeyword {
    static constexpr std::uint8_t stx = 0x02;
    static constexpr std::uint8_t ack = 0x04;
    static constexpr std::uint8_t error = 0x05;
    static constexpr std::uint8_t busy = 0x06;
    static constexpr std::uint8_t notReady = 0x07;
    static constexpr std::uint8_t dataReady = 0x08;
    static constexpr std::uint8_t transmit = 0x09;
    static constexpr std::uint8_t lineBreak = 0xFB;
};
