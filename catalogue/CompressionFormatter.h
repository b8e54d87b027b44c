#pragma once

#include "model/ParameterFormatter.h"

// A compression profile.
class CompressionFormatter : public ParameterFormatter {
public:
    explicit CompressionFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
