#pragma once

#include <cstdint>

#include "model/ParameterConverter.h"

// Lower-case hexadecimal without prefix.
class HexParameterConverter : public ParameterConverter {
public:
    explicit HexParameterConverter(std::int32_t width) : width_(width) {}

    bool parse(ParameterValue& value, const std::string& text) const override;
    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::int32_t width_;
};
