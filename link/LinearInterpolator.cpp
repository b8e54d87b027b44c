#include "link/LinearInterpolator.h"

void LinearInterpolator::setTarget(std::uint16_t reading) {
    slope_ = static_cast<float>((static_cast<double>(reading) - static_cast<double>(target_)) /
                                (static_cast<double>(previousSteps_) + 1.0));
    if (slope_ < minSlope_)
        slope_ = minSlope_;
    else if (slope_ > maxSlope_)
        slope_ = maxSlope_;
    target_ = reading;
    previousSteps_ = steps_;
    steps_ = 0;
}

std::uint16_t LinearInterpolator::nextValue(std::uint16_t low, std::uint16_t high) {
    ++steps_;
    float v = static_cast<float>(target_) + static_cast<float>(steps_) * slope_;
    if (v < 0.0f)
        v = 0.0f;
    // Far beyond 16 bits only when steps run on for hours; saturate instead of overflowing.
    const auto whole = v < 4294967296.0f ? static_cast<std::uint32_t>(v) : 0xFFFFFFFFu;
    auto r = static_cast<std::uint16_t>(whole & 0xFFFF);
    if (r < low)
        r = low;
    else if (r > high)
        r = high;
    return r;
}
