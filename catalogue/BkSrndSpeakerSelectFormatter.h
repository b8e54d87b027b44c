#pragma once

#include "model/ParameterFormatter.h"

// How many back surround speakers the monitor room has.
class BkSrndSpeakerSelectFormatter : public ParameterFormatter {
public:
    explicit BkSrndSpeakerSelectFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
