#include "MeterAnimator.h"

#include <cmath>
#include <numbers>

#include "link/DummyProtocol.h"

namespace {
constexpr std::uint8_t meterNumber = 204;
constexpr int meterCount = 23;
constexpr int dialnormMeter = 18;
constexpr int durationMeter = 22;
constexpr double swingPeriodSeconds = 4.0;
constexpr double dialnormPeriodSeconds = 20.0;

double wave(double seconds, double period, double phase) {
    return std::sin(2.0 * std::numbers::pi * (seconds / period + phase));
}
} // namespace

void MeterAnimator::move(DummyProtocol& unit, std::uint64_t nowMs) {
    if (!startMs_)
        startMs_ = nowMs;
    const double seconds = static_cast<double>(nowMs - *startMs_) / 1000.0;
    for (int meter = 0; meter < meterCount; ++meter) {
        // Written as the PC would, under the number below, so the read id receives it.
        const ParameterId written(meterNumber - 1, static_cast<std::uint8_t>(meter));
        unit.write(written, ParameterValue(level(meter, seconds)), 0);
    }
}

int MeterAnimator::level(int meter, double seconds) {
    if (meter == durationMeter)
        return static_cast<int>(seconds);
    if (meter == dialnormMeter)
        return static_cast<int>(std::lround(15.0 + 5.0 * wave(seconds, dialnormPeriodSeconds, 0)));
    const double phase = static_cast<double>(meter) / meterCount;
    return static_cast<int>(std::lround(512.0 + 400.0 * wave(seconds, swingPeriodSeconds, phase)));
}
