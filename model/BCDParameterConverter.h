#pragma once

#include <cstdint>

#include "model/ParameterConverter.h"

// Two decimal digits packed into the low byte (45 travels as 00 45).
class BCDParameterConverter : public ParameterConverter {
public:
    explicit BCDParameterConverter(std::int32_t width) : width_(width) {}

    bool parse(ParameterValue& value, const std::string& text) const override;
    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::int32_t width_;
};
