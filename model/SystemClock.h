#pragma once

#include "model/Clock.h"

// The machine's clocks. Stateless, so one shared instance serves every user.
class SystemClock : public Clock {
public:
    static const SystemClock& instance();

    std::uint64_t milliseconds() const override;
    std::int64_t seconds() const override;
    void pause() const override;
};
