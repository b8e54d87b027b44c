#include "app/LineHealth.h"

#include "model/Clock.h"

void LineHealth::record(std::size_t failedAttempts, bool failed) {
    // The last failed attempt of a failed exchange was not repeated.
    const std::size_t retried = failed && failedAttempts > 0 ? failedAttempts - 1 : failedAttempts;
    if (retried == 0 && !failed)
        return;
    events_.push_back({clock_.milliseconds(), retried, failed});
}

std::size_t LineHealth::retried() const {
    forgetOld();
    std::size_t count = 0;
    for (const Event& event : events_)
        count += event.retried;
    return count;
}

std::size_t LineHealth::failed() const {
    forgetOld();
    std::size_t count = 0;
    for (const Event& event : events_)
        count += event.failed ? 1 : 0;
    return count;
}

void LineHealth::forgetOld() const {
    const std::uint64_t now = clock_.milliseconds();
    while (!events_.empty() && now - events_.front().at > windowMs)
        events_.pop_front();
}
