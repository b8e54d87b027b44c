#include "model/HexParameterConverter.h"

#include <cstdio>

#include "model/NumberText.h"

bool HexParameterConverter::parse(ParameterValue& value, const std::string& text) const {
    std::uint16_t number = 0;
    if (!NumberText::readHex(text, number))
        return false;
    value = ParameterValue(number);
    return true;
}

void HexParameterConverter::format(std::string& text, const ParameterValue& value) const {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%x", static_cast<unsigned>(value.toUInt32() & 0xFFFF));
    text = NumberText::padded(buffer, width_);
}
