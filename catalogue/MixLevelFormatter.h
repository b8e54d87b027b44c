#pragma once

#include "model/ParameterFormatter.h"

// The mix level of the production room, 80 dB and up in 1 dB steps.
class MixLevelFormatter : public ParameterFormatter {
public:
    explicit MixLevelFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
