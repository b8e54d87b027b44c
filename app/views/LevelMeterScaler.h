#pragma once

#include "app/observers/MeterScaler.h"

// Level meters: the unit reports 1023 for full scale and 64 steps for every 6.02 dB (a factor of
// two) below it; a reading of nothing is no signal at all.
class LevelMeterScaler : public MeterScaler {
public:
    double scale(const ParameterValue& raw, double minimum) const override;
};
