#pragma once

#include <cstdint>
#include <optional>

// Work run whenever the program has a moment to spare: once per poll and during line waits. A line
// wait spins far faster than the program polls, so there the work runs only at the polling pace:
// how far a meter moves must not depend on how fast the machine spins.
class IdleCommand {
public:
    // The polling clock's period.
    static constexpr std::uint64_t periodMs = 30;

    virtual ~IdleCommand() = default;

    // Runs the work now (as a poll does) and notes when.
    void run(std::uint64_t nowMs) {
        lastRunMs_ = nowMs;
        execute();
    }
    // Runs the work only when periodMs have passed since it last ran, by a poll or in a wait.
    void runWhenDue(std::uint64_t nowMs) {
        if (!lastRunMs_ || nowMs - *lastRunMs_ >= periodMs)
            run(nowMs);
    }

protected:
    virtual void execute() = 0;

private:
    std::optional<std::uint64_t> lastRunMs_;
};
