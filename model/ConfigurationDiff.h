#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/ConfigurationDifference.h"
#include "model/ParameterValueMap.h"

class Parameter;
class ParameterMap;

// Compares two configurations parameter by parameter. The parameters name the values and word
// them; they are read, never changed.
class ConfigurationDiff {
public:
    explicit ConfigurationDiff(const ParameterMap& parameters) : parameters_(parameters) {}

    // Every persistent parameter whose value differs, in id order, and every id unknown to the
    // parameters whose value differs (named by its id). Ids of parameters that are not persistent
    // are left out: a configuration never restores them.
    std::vector<ConfigurationDifference> compare(const ParameterValueMap& first,
                                                 const ParameterValueMap& second) const;

    static constexpr const char* absentText = "(absent)";

private:
    std::vector<ParameterId> comparedIds(const ParameterValueMap& first,
                                         const ParameterValueMap& second) const;
    ConfigurationDifference difference(const ParameterId& id,
                                       const std::optional<ParameterValue>& first,
                                       const std::optional<ParameterValue>& second) const;
    // The parameter whose formatter the reports use: a compound reports through its status.
    const Parameter* reported(const ParameterId& id) const;
    std::string nameOf(const ParameterId& id) const;
    std::string textOf(const ParameterId& id, const std::optional<ParameterValue>& value) const;

    const ParameterMap& parameters_;
};
