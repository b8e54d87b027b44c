#pragma once

#include "model/ParameterFormatter.h"

// How the eight channels are divided into programmes.
class ProgramConfigFormatter : public ParameterFormatter {
public:
    explicit ProgramConfigFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
