#include "model/ConfigurationDiff.h"

#include <algorithm>
#include <sstream>

#include "model/CompoundParameter.h"
#include "model/ParameterMap.h"

namespace {
std::optional<ParameterValue> valueAt(const ParameterValueMap& values, const ParameterId& id) {
    const auto found = values.find(id);
    if (found == values.end())
        return std::nullopt;
    return found->second;
}

// What the reports show for a parameter without a formatter: its signed number.
std::string numberText(const ParameterValue& value) {
    return std::to_string(value.toInt16());
}
} // namespace

std::vector<ConfigurationDifference>
ConfigurationDiff::compare(const ParameterValueMap& first, const ParameterValueMap& second) const {
    std::vector<ConfigurationDifference> differences;
    for (const auto& id : comparedIds(first, second)) {
        const auto one = valueAt(first, id);
        const auto other = valueAt(second, id);
        if (one != other)
            differences.push_back(difference(id, one, other));
    }
    return differences;
}

std::vector<ParameterId> ConfigurationDiff::comparedIds(const ParameterValueMap& first,
                                                        const ParameterValueMap& second) const {
    std::vector<ParameterId> ids;
    for (const auto& [id, parameter] : parameters_)
        if (parameter->isPersistent())
            ids.push_back(id);
    for (const auto* values : {&first, &second})
        for (const auto& entry : *values)
            if (!parameters_.contains(entry.first))
                ids.push_back(entry.first);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

ConfigurationDifference
ConfigurationDiff::difference(const ParameterId& id, const std::optional<ParameterValue>& first,
                              const std::optional<ParameterValue>& second) const {
    return {id, nameOf(id), first, second, textOf(id, first), textOf(id, second)};
}

const Parameter* ConfigurationDiff::reported(const ParameterId& id) const {
    const Parameter* parameter = parameters_.findOrNull(id);
    if (const auto* compound = dynamic_cast<const CompoundParameter*>(parameter))
        return &compound->status();
    return parameter;
}

std::string ConfigurationDiff::nameOf(const ParameterId& id) const {
    const Parameter* parameter = reported(id);
    if (parameter == nullptr || parameter->formatter() == nullptr)
        return id.toString();
    std::ostringstream name;
    if (!parameter->formatter()->writeName(name))
        return id.toString();
    return name.str();
}

// A value the formatter cannot word (one outside every table, say) is shown as its number
// rather than hidden: it is a difference all the same.
std::string ConfigurationDiff::textOf(const ParameterId& id,
                                      const std::optional<ParameterValue>& value) const {
    if (!value)
        return absentText;
    const Parameter* parameter = reported(id);
    if (parameter == nullptr || parameter->formatter() == nullptr)
        return numberText(*value);
    std::ostringstream text;
    if (!parameter->formatter()->writeValue(text, *value))
        return numberText(*value);
    return text.str();
}
