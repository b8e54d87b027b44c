#pragma once

#include "model/ParameterFormatter.h"

// Whether the monitors reproduce the LFE channel.
class LFEMonitorModeFormatter : public ParameterFormatter {
public:
    explicit LFEMonitorModeFormatter(std::string name) : ParameterFormatter(std::move(name)) {}

    void format(std::string& text, const ParameterValue& value) const override;
};
