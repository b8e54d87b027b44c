#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "FaultSettings.h"

// Makes the unit misbehave the same way on every run with the same seed: lost and damaged
// outgoing bytes, busy answers after each request, and silence after a number of requests.
class FaultInjector {
public:
    explicit FaultInjector(const FaultSettings& settings);

    // Counts a request; false once the unit has served as many as it may, and from then on.
    bool admitRequest();
    bool silenced() const { return silenced_; }
    // True while the polls after the last request are still to be answered BUSY.
    bool takeBusyPoll();
    std::vector<std::uint8_t> distort(const std::vector<std::uint8_t>& bytes);

private:
    bool happens(double probability);

    FaultSettings settings_;
    std::mt19937 random_;
    std::uint32_t requests_ = 0;
    std::uint32_t busyPollsLeft_ = 0;
    bool silenced_ = false;
};
