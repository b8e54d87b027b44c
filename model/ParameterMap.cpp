#include "model/ParameterMap.h"

#include "link/GenericProtocol.h"
#include "model/Parameter.h"
#include "model/QuenlarException.h"

void ParameterMap::refreshAll(GenericProtocol& protocol) {
    for (char group = 0; group <= 4; ++group)
        refresh(protocol, group);
}

void ParameterMap::refresh(GenericProtocol& protocol, char group) {
    ParameterIdSet ids;
    for (const auto& [key, parameter] : *this)
        if (parameter->matches(protocol, group))
            ids.push_back(parameter->getId());
    ParameterValueMap values;
    protocol.readMany(ids, values);
    for (const auto& entry : values)
        find(entry.first, "unknown", 0).update(values);
}

Parameter& ParameterMap::find(const ParameterId& id, const std::string& file, int line) const {
    if (Parameter* parameter = findOrNull(id))
        return *parameter;
    throw QuenlarException("Couldn't find parameter " + id.toString() + " (" + file + ":" +
                           std::to_string(line) + ")\n");
}

Parameter* ParameterMap::findOrNull(const ParameterId& id) const {
    const auto entry = std::map<ParameterId, Parameter*>::find(id);
    return entry == end() ? nullptr : entry->second;
}
