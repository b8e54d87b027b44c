#pragma once

#include <string>

#include "model/IntParameterConverter.h"

// As IntParameterConverter, with a unit written straight after the number.
class IntUnitParameterConverter : public IntParameterConverter {
public:
    IntUnitParameterConverter(std::int32_t width, std::string unit, std::int32_t offset)
        : IntParameterConverter(width, offset), unit_(std::move(unit)) {}

    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::string unit_;
};
