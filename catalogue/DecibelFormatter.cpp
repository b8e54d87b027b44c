#include "catalogue/DecibelFormatter.h"

void DecibelFormatter::format(std::string& text, const ParameterValue& value) const {
    text = "-" + std::to_string(value.toInt16() + offset_) + " dB";
}
