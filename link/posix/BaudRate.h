#pragma once

#include <termios.h>

#include <cstdint>
#include <optional>

// The terminal speed code of one of the unit's line speeds (9600, 19200, 38400, 115200).
class BaudRate {
public:
    // Nothing for a speed the unit does not offer.
    static std::optional<speed_t> code(std::uint32_t baud);
};
