#pragma once

#include <cstdint>

#include "model/ParameterFormatter.h"

// An attenuation in whole dB, always shown as a cut: value + offset is the number after the '-'.
class DecibelFormatter : public ParameterFormatter {
public:
    DecibelFormatter(std::string name, std::int16_t offset)
        : ParameterFormatter(std::move(name)), offset_(offset) {}

    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::int16_t offset_;
};
