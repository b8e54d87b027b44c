#pragma once

#include <cstdint>

#include "FaultSettings.h"

// How the emulated unit behaves on the line.
struct UnitSettings {
    std::uint16_t address = 0x8280;
    // After each write the unit answers polls BUSY for this long.
    std::uint32_t writeDelayMs = 0;
    bool animateMeters = false;
    FaultSettings faults;
};
