#pragma once

#include <cstdint>

#include "model/ParameterConverter.h"

// Text values (labels, names), cut to the length the unit stores.
class StringParameterConverter : public ParameterConverter {
public:
    explicit StringParameterConverter(std::uint32_t length) : length_(length) {}

    bool parse(ParameterValue& value, const std::string& text) const override;
    void format(std::string& text, const ParameterValue& value) const override;

private:
    std::uint32_t length_;
};
