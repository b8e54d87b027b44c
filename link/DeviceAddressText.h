#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A unit's device address as the tools take it on their command lines: hexadecimal digits, with
// or without 0x. A unit answers its select address and the one after it, its poll address, so
// its address is even: an odd one would poll the unit above.
class DeviceAddressText {
public:
    // Why text names no address a unit can have; empty when it does.
    static std::string problem(const std::string& text);
    // The address text names, when problem is empty.
    static std::optional<std::uint16_t> parse(const std::string& text);
};
