#include "app/views/OffsetMeterScaler.h"

#include <algorithm>

#include "model/ParameterValue.h"

double OffsetMeterScaler::scale(const ParameterValue& raw, double minimum) const {
    constexpr int fullScale = 16;
    constexpr double decibelsPerStep = 0.564375;
    return std::max((fullScale - raw.toInt16()) * decibelsPerStep, minimum);
}
