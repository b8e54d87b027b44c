#include "model/BCDParameterConverter.h"

#include "model/NumberText.h"

bool BCDParameterConverter::parse(ParameterValue& value, const std::string& text) const {
    std::int16_t number = 0;
    if (!NumberText::read(text, number))
        return false;
    const int low = static_cast<std::int8_t>(number & 0xFF);
    const int packed = ((low / 10) * 16 & 0xF0) | ((low % 10) & 0x0F);
    value = ParameterValue(packed & 0xFF);
    return true;
}

void BCDParameterConverter::format(std::string& text, const ParameterValue& value) const {
    const int low = value.toInt16() & 0xFF;
    text = NumberText::padded(std::to_string((low & 0x0F) + ((low & 0xF0) >> 4) * 10), width_);
}
