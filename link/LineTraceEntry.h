#pragma once

#include <cstdint>
#include <string>

// One decoded message of the serial line.
struct LineTraceEntry {
    enum class Direction { ToUnit, FromUnit };
    enum class Kind {
        Poll,      // the PC polls the unit for its state
        Frame,     // a frame: a request, a write or a reply
        Keyword,   // a single-byte keyword (ACK, TRANSMIT, BUSY, ...)
        Silence,   // no answer within the read time-out
        Discarded, // bytes read and thrown away after a failure or at connect
    };

    // Since the decoder started.
    std::uint64_t elapsedMs = 0;
    Direction direction = Direction::ToUnit;
    Kind kind = Kind::Keyword;
    std::string text;
    // The exchange failed here: a time-out, a damaged or foreign frame, an error answer.
    bool failure = false;
    // The PC sends again a frame whose exchange failed.
    bool retry = false;
};
