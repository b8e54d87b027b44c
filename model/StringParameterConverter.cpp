#include "model/StringParameterConverter.h"

bool StringParameterConverter::parse(ParameterValue& value, const std::string& text) const {
    value = ParameterValue(text.substr(0, length_));
    return true;
}

void StringParameterConverter::format(std::string& text, const ParameterValue& value) const {
    text = value.bytes();
}
