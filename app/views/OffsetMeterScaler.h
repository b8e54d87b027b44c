#pragma once

#include "app/observers/MeterScaler.h"

// The input level of the dynamic range processor: 16 is full scale and each step above it is
// 0.564375 dB less.
class OffsetMeterScaler : public MeterScaler {
public:
    double scale(const ParameterValue& raw, double minimum) const override;
};
