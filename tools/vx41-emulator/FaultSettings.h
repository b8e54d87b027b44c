#pragma once

#include <cstdint>
#include <optional>

// The faults a test asks the unit to show; the defaults show none.
struct FaultSettings {
    // Probability that an outgoing byte is lost.
    double dropProbability = 0.0;
    // Probability that an outgoing byte has one bit flipped.
    double corruptProbability = 0.0;
    // After each request, this many polls are answered BUSY.
    std::uint32_t busyPolls = 0;
    // When set, the unit serves this many requests and then falls silent for good.
    std::optional<std::uint32_t> silentAfter;
    std::uint32_t seed = 1;
};
