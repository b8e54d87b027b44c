#pragma once

#include "model/ParameterFormatter.h"

// The subwoofer crossover frequency.
class SWXoverFreqFormatter : public ParameterFormatter {
public:
    explicit SWXoverFreqFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
