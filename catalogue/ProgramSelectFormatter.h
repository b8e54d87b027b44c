#pragma once

#include "model/ParameterFormatter.h"

// The programme the emulator decodes, numbered from 1.
class ProgramSelectFormatter : public ParameterFormatter {
public:
    explicit ProgramSelectFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
