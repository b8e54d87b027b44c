#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "EmulatedUnit.h"
#include "FaultInjector.h"
#include "LineDecoder.h"
#include "UnitSettings.h"

class Clock;

// The unit as the line sees it: bytes from the PC in, the unit's answers (with any injected
// faults) out. Knows nothing of ports or time beyond the clock it is given.
class UnitLine {
public:
    UnitLine(const UnitSettings& settings, const Clock& clock);

    std::vector<std::uint8_t> receive(const std::uint8_t* bytes, std::size_t count);

    const DummyVx41Protocol& state() const { return unit_.state(); }

private:
    // A message the PC broke off (its bytes lost on the line) must not swallow the next one: after
    // this long without a byte the decoder starts afresh. The PC writes each frame in one go.
    static constexpr std::uint64_t resyncGapMs = 100;

    void resyncAfterGap();

    const Clock& clock_;
    LineDecoder decoder_;
    FaultInjector faults_;
    EmulatedUnit unit_;
    std::uint64_t lastByteMs_ = 0;
};
