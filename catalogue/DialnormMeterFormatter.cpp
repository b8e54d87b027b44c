#include "catalogue/DialnormMeterFormatter.h"

void DialnormMeterFormatter::format(std::string& text, const ParameterValue& value) const {
    constexpr std::int16_t kLowest = 60;
    constexpr std::int16_t kHighest = 120;
    constexpr std::int16_t kZero = 100;
    const std::int16_t code = value.toInt16();
    text = code < kLowest || code > kHighest ? "***" : std::to_string(code - kZero);
}
