#pragma once

#include <cstdint>

// Smooths the displayed value of a meter between two readings from the unit.
class Interpolator {
public:
    virtual ~Interpolator() = default;
    virtual void setTarget(std::uint16_t reading) = 0;
    virtual std::uint16_t getTarget() const { return target_; }
    // The value to display now, kept within low and high.
    virtual std::uint16_t nextValue(std::uint16_t low, std::uint16_t high) = 0;

protected:
    std::uint16_t target_ = 0;
    std::uint32_t previousSteps_ = 0;
    std::uint32_t steps_ = 0;
};
