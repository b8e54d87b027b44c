#pragma once

#include <cstdint>

#include "model/ParameterConverter.h"

// Decimal numbers shifted by offset (a 0-based value shown 1-based has offset 1).
class IntParameterConverter : public ParameterConverter {
public:
    IntParameterConverter(std::int32_t width, std::int32_t offset)
        : width_(width), offset_(offset) {}

    bool parse(ParameterValue& value, const std::string& text) const override;
    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::int32_t width_;
    std::int32_t offset_;
};
