#include "model/ParameterValue.h"

ParameterValue::ParameterValue(int number) {
    bytes_.push_back(static_cast<char>((number >> 8) & 0xFF));
    bytes_.push_back(static_cast<char>(number & 0xFF));
}

std::int16_t ParameterValue::toInt16() const {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(toUInt32() & 0xFFFF));
}

std::uint32_t ParameterValue::toUInt32() const {
    std::uint32_t accumulator = 0;
    for (char byte : bytes_)
        accumulator = (accumulator << 8) | static_cast<std::uint8_t>(byte);
    return accumulator;
}
