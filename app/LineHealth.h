#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

class Clock;

// How the serial line fared over the last minute: exchanges the line had to repeat and
// exchanges that failed even so. Past a few repeats a minute the line is called unreliable.
class LineHealth {
public:
    static constexpr std::uint64_t windowMs = 60'000;
    static constexpr std::size_t unreliableRepeats = 5;

    explicit LineHealth(const Clock& clock) : clock_(clock) {}

    // One exchange: how many of its attempts failed, and whether the last one did too.
    void record(std::size_t failedAttempts, bool failed);
    std::size_t retried() const;
    std::size_t failed() const;
    bool unreliable() const { return retried() + failed() >= unreliableRepeats; }
    void clear() { events_.clear(); }

private:
    struct Event {
        std::uint64_t at;
        std::size_t retried;
        bool failed;
    };
    void forgetOld() const;

    const Clock& clock_;
    mutable std::deque<Event> events_;
};
