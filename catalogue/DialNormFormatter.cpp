#include "catalogue/DialNormFormatter.h"

void DialNormFormatter::format(std::string& text, const ParameterValue& value) const {
    constexpr std::int16_t kLow = 41;
    const std::int16_t level = value.toInt16();
    if (level == kLow)
        text = "Low";
    else if (level == 0)
        text = "0";
    else
        text = "-" + std::to_string(level);
}
