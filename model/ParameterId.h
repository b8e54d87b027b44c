#pragma once

#include <compare>
#include <cstdint>
#include <string>

// Identity of a device parameter: the number is the command byte on the line, the index the item
// byte. Ordered by number, then index.
class ParameterId {
public:
    constexpr ParameterId() = default;
    constexpr ParameterId(std::uint8_t number, std::uint8_t index) : number(number), index(index) {}

    // The unit takes writes under the number one below the read number.
    constexpr ParameterId previous() const {
        return ParameterId(static_cast<std::uint8_t>(number - 1), index);
    }
    constexpr ParameterId next() const {
        return ParameterId(static_cast<std::uint8_t>(number + 1), index);
    }

    // "(%x, %d)": number in lower-case hexadecimal, index in decimal.
    std::string toString() const;

    constexpr auto operator<=>(const ParameterId&) const = default;

    std::uint8_t number = 0;
    std::uint8_t index = 0;
};
