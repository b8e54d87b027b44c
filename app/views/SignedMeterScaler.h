#pragma once

#include "app/observers/MeterScaler.h"

// Compression gains: the unit sends a signed byte (128..255 are -128..-1); the meter's multiplier
// turns it into decibels. Gains have no floor of their own.
class SignedMeterScaler : public MeterScaler {
public:
    double scale(const ParameterValue& raw, double minimum) const override;
};
