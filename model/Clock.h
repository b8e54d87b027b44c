#pragma once

#include <cstdint>

// The two time sources of the program, replaceable so that time-dependent behaviour can be tested
// without waiting: the millisecond process clock (line waits, meter ballistics) and the calendar
// clock in seconds (refresh hold-off after a write).
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t milliseconds() const = 0;
    virtual std::int64_t seconds() const = 0;
    // Called between the idle runs of a busy wait so a long wait does not burn a whole core.
    virtual void pause() const = 0;
};
