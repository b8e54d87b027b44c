#pragma once

#include "model/ParameterFormatter.h"

// The ambiform flag of the metadata.
class AmbiformModeFormatter : public ParameterFormatter {
public:
    explicit AmbiformModeFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
