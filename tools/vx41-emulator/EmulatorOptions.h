#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "UnitSettings.h"

// Everything the command line decides.
struct EmulatorOptions {
    UnitSettings unit;
    // A serial device to serve instead of a new pseudo-terminal.
    std::optional<std::string> device;
    std::uint32_t baud = 115200;
    // Send at the pace of the line instead of as fast as the pseudo-terminal takes bytes.
    bool pace = false;
    // Where to put a symbolic link to the line for clients.
    std::optional<std::string> link;
};
