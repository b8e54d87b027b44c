#pragma once

#include "model/ParameterFormatter.h"

// The kind of audio service the programme carries.
class BitsModeFormatter : public ParameterFormatter {
public:
    explicit BitsModeFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
