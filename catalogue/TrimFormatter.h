#pragma once

#include <cstdint>

#include "model/ParameterFormatter.h"

// A gain trim as a fixed-point number with three decimals and a unit ("-20.000 dB").
class TrimFormatter : public ParameterFormatter {
public:
    // value / divisor is the number shown after offset is taken away from value.
    TrimFormatter(std::string name, std::int32_t divisor, std::int32_t offset, std::string unit)
        : ParameterFormatter(std::move(name)), divisor_(divisor), offset_(offset),
          unit_(std::move(unit)) {}

    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::int32_t divisor_;
    std::int32_t offset_;
    std::string unit_;
};
