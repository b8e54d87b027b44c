#pragma once

#include "model/ParameterFormatter.h"

// The decoder compression mode the emulator applies.
class CompressionModeFormatter : public ParameterFormatter {
public:
    explicit CompressionModeFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
