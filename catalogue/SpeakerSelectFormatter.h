#pragma once

#include "model/ParameterFormatter.h"

// The speaker set the monitor section feeds.
class SpeakerSelectFormatter : public ParameterFormatter {
public:
    explicit SpeakerSelectFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
