#pragma once

#include <atomic>

#include "model/Clock.h"

// A clock the test moves by hand. Each pause of a busy wait moves it on by pauseStep
// milliseconds, so waits finish at once without sleeping; the serial line's thread pauses it too.
class FakeClock : public Clock {
public:
    std::uint64_t milliseconds() const override { return milliseconds_; }
    std::int64_t seconds() const override { return seconds_; }
    void pause() const override { milliseconds_ += pauseStep; }

    void advanceMilliseconds(std::uint64_t ms) { milliseconds_ += ms; }
    void advanceSeconds(std::int64_t s) { seconds_ += s; }

    std::atomic<std::uint64_t> pauseStep = 1;

private:
    mutable std::atomic<std::uint64_t> milliseconds_ = 1000;
    std::int64_t seconds_ = 1'700'000'000;
};
