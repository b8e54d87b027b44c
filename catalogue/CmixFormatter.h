#pragma once

#include "model/ParameterFormatter.h"

// The center mix level as gain factor and dB.
class CmixFormatter : public ParameterFormatter {
public:
    explicit CmixFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
