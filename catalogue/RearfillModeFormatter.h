#pragma once

#include "model/ParameterFormatter.h"

// The rear-fill flag of the metadata.
class RearfillModeFormatter : public ParameterFormatter {
public:
    explicit RearfillModeFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
