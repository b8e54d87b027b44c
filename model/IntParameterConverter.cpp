#include "model/IntParameterConverter.h"

#include "model/NumberText.h"

bool IntParameterConverter::parse(ParameterValue& value, const std::string& text) const {
    std::int16_t number = 0;
    if (!NumberText::read(text, number))
        return false;
    value = ParameterValue(number - offset_);
    return true;
}

void IntParameterConverter::format(std::string& text, const ParameterValue& value) const {
    text = NumberText::padded(std::to_string(value.toInt16() + offset_), width_);
}
