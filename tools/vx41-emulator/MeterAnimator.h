#pragma once

#include <cstdint>
#include <optional>

class DummyProtocol;

// Moves the unit's meters (204, 0..22) smoothly with time so that a client sees living levels:
// the level meters swing over most of their 0..1023 range, each a little behind the one before,
// the dialnorm meter drifts around 15 and the measure duration counts seconds.
class MeterAnimator {
public:
    void move(DummyProtocol& unit, std::uint64_t nowMs);

private:
    static int level(int meter, double seconds);

    std::optional<std::uint64_t> startMs_;
};
