#include "app/views/LevelMeterScaler.h"

#include <algorithm>
#include <cmath>

#include "model/ParameterValue.h"

double LevelMeterScaler::scale(const ParameterValue& raw, double minimum) const {
    constexpr double fullScale = 1023;
    constexpr double noSignal = 0.00001;
    static const double decibelsPerStep = 20.0 * std::log10(2.0) / 64.0;
    const double reading = raw.toInt16();
    if (reading < noSignal)
        return minimum;
    return std::max((reading - fullScale) * decibelsPerStep, minimum);
}
