#pragma once

#include <cstdint>
#include <string>

#include "model/ParameterConverter.h"

// Fixed-point values: the unit carries scale × x + offset.
class FloatParameterConverter : public ParameterConverter {
public:
    FloatParameterConverter(std::int32_t scale, std::int32_t offset, std::string unit)
        : scale_(scale), offset_(offset), unit_(std::move(unit)) {}

    bool parse(ParameterValue& value, const std::string& text) const override;
    void format(std::string& text, const ParameterValue& value) const override;
    bool takesDecimals() const override { return true; }

private:
    std::int32_t scale_;
    std::int32_t offset_;
    std::string unit_;
};
