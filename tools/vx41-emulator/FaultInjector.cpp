#include "FaultInjector.h"

FaultInjector::FaultInjector(const FaultSettings& settings)
    : settings_(settings), random_(settings.seed) {}

bool FaultInjector::admitRequest() {
    if (settings_.silentAfter && requests_ >= *settings_.silentAfter)
        silenced_ = true;
    if (silenced_)
        return false;
    ++requests_;
    busyPollsLeft_ = settings_.busyPolls;
    return true;
}

bool FaultInjector::takeBusyPoll() {
    if (busyPollsLeft_ == 0)
        return false;
    --busyPollsLeft_;
    return true;
}

std::vector<std::uint8_t> FaultInjector::distort(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> sent;
    sent.reserve(bytes.size());
    for (std::uint8_t byte : bytes) {
        if (happens(settings_.dropProbability))
            continue;
        if (happens(settings_.corruptProbability))
            byte ^= static_cast<std::uint8_t>(1u << (random_() % 8));
        sent.push_back(byte);
    }
    return sent;
}

// Drawn from the raw generator rather than a distribution, whose output the library may choose:
// a seed must give the same faults wherever the program was built.
bool FaultInjector::happens(double probability) {
    if (probability <= 0.0)
        return false;
    constexpr double range = 4294967296.0; // 2^32, the generator's span
    return static_cast<double>(random_()) < probability * range;
}
