#pragma once

#include <termios.h>

#include <cstdint>

// Terminal settings for a plain byte line: raw, 8 data bits, no parity, one stop bit, no flow
// control, at one of the unit's speeds.
class LineSpeed {
public:
    static void makeRaw(termios& settings, std::uint32_t baud);

private:
    static speed_t code(std::uint32_t baud);
};
