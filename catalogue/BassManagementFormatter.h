#pragma once

#include "model/ParameterFormatter.h"

// Which channels' bass is redirected, and to where.
class BassManagementFormatter : public ParameterFormatter {
public:
    explicit BassManagementFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
