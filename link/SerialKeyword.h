#pragma once

#include <cstdint>

// The single-byte keywords of the serial line.
struct SerialKeyword {
    // Sent by the PC before every address.
    static constexpr std::uint8_t breakKey = 0xFB;
    // First byte of every frame, in both directions.
    static constexpr std::uint8_t stx = 0x02;
    // Device: frame received, or idle and well when polled. PC: reply frame received.
    static constexpr std::uint8_t ack = 0x04;
    // Poll answers of the device.
    static constexpr std::uint8_t error = 0x05;
    static constexpr std::uint8_t busy = 0x06;
    static constexpr std::uint8_t notReady = 0x07;
    static constexpr std::uint8_t dataReady = 0x08;
    // Sent by the PC: send the waiting reply frame now.
    static constexpr std::uint8_t transmit = 0x09;
};
