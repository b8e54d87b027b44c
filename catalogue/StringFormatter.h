#pragma once

#include "model/ParameterFormatter.h"

// Text-valued parameters: the value's bytes are the text.
class StringFormatter : public ParameterFormatter {
public:
    explicit StringFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
