#pragma once

#include <cstdint>
#include <vector>

// Something the PC said to this unit, as the line decoder recognised it.
struct LineEvent {
    enum class Kind {
        Poll,        // our poll address
        Frame,       // a frame after our select address, checksum correct
        BadFrame,    // a frame after our select address whose checksum is wrong
        Transmit,    // TRANSMIT after our select address
        Acknowledge, // the PC's ACK after we were authorised to transmit
    };

    Kind kind;
    // The frame's command and item bytes (Frame only).
    std::vector<std::uint8_t> payload;
};
