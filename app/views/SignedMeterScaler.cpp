#include "app/views/SignedMeterScaler.h"

#include <cstdint>

#include "model/ParameterValue.h"

double SignedMeterScaler::scale(const ParameterValue& raw, double) const {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(raw.toInt16() & 0xFF));
}
