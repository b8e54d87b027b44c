#pragma once

class ParameterValue;

// Turns a meter's raw device value into its level in the meter's units, not below minimum.
class MeterScaler {
public:
    virtual ~MeterScaler() = default;
    virtual double scale(const ParameterValue& raw, double minimum) const = 0;
};
