#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/ScriptedSerialDevice.h"

using Bytes = std::vector<std::uint8_t>;

// What the PC sends, built byte by byte so that the tests do not lean on the unit's own encoder.
struct LineBytes {
    static Bytes select(std::uint16_t address = 0x8280) {
        return {0xFB, static_cast<std::uint8_t>(address >> 8),
                static_cast<std::uint8_t>(address & 0xFF)};
    }
    // The poll address counts up in the low byte only.
    static Bytes poll(std::uint16_t address = 0x8280) {
        return select(static_cast<std::uint16_t>((address & 0xFF00) | ((address + 1) & 0xFF)));
    }
    // STX, length, payload, checksum, framed as the scripted unit of the line tests frames it.
    static Bytes frame(const Bytes& payload) { return unitBytes::reply(payload); }
    static Bytes readRequest(std::uint8_t number, std::initializer_list<std::uint8_t> indexes) {
        Bytes payload{number};
        append(payload, indexes);
        return frame(payload);
    }
    // A write of a two-byte number under the written (number - 1) id.
    static Bytes write(std::uint8_t number, std::uint8_t index, int value) {
        return frame({number, index, static_cast<std::uint8_t>((value >> 8) & 0xFF),
                      static_cast<std::uint8_t>(value & 0xFF)});
    }
    static Bytes writeText(std::uint8_t number, std::uint8_t index, const std::string& text) {
        Bytes payload{number, 0xFF, index, static_cast<std::uint8_t>(text.size())};
        append(payload, text);
        return frame(payload);
    }
    static Bytes join(std::initializer_list<Bytes> parts) { return unitBytes::concat(parts); }
    // Byte by byte: the library's bulk insert trips a false bounds warning of the compiler.
    template <typename Range> static void append(Bytes& bytes, const Range& more) {
        for (auto byte : more)
            bytes.push_back(static_cast<std::uint8_t>(byte));
    }
};
