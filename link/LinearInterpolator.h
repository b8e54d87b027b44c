#pragma once

#include "link/Interpolator.h"

// Extrapolates from the newest reading along the slope seen between the last two readings, the
// slope held within [minSlope, maxSlope] units per step. (-256, 0): rises at once, falls back
// gradually; (0, 1): climbs one unit per step at most.
class LinearInterpolator : public Interpolator {
public:
    LinearInterpolator(float minSlope, float maxSlope) : minSlope_(minSlope), maxSlope_(maxSlope) {}

    void setTarget(std::uint16_t reading) override;
    std::uint16_t nextValue(std::uint16_t low, std::uint16_t high) override;

private:
    float slope_ = 0.0f;
    float minSlope_;
    float maxSlope_;
};
