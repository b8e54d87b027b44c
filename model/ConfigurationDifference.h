#pragma once

#include <optional>
#include <string>

#include "model/ParameterId.h"
#include "model/ParameterValue.h"

// One persistent parameter whose value differs between two configurations, worded as the reports
// word it. A value missing from a configuration is nothing, its text "(absent)".
struct ConfigurationDifference {
    ParameterId id;
    std::string name;
    std::optional<ParameterValue> first;
    std::optional<ParameterValue> second;
    std::string firstText;
    std::string secondText;
};
