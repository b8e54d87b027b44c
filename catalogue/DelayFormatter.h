#pragma once

#include <cstdint>

#include "model/ParameterFormatter.h"

// A delay in whole units: offset + value, then the unit ("-3 ms").
class DelayFormatter : public ParameterFormatter {
public:
    DelayFormatter(std::string name, std::string unit, std::int16_t offset)
        : ParameterFormatter(std::move(name)), unit_(std::move(unit)), offset_(offset) {}

    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::string unit_;
    std::int16_t offset_;
};
