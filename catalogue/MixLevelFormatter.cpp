#include "catalogue/MixLevelFormatter.h"

void MixLevelFormatter::format(std::string& text, const ParameterValue& value) const {
    constexpr int kLowestLevel = 80;
    text = std::to_string(value.toInt16() + kLowestLevel) + " dB";
}
