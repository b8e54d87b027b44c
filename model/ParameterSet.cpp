#include "model/ParameterSet.h"

#include "model/Observer.h"
#include "model/Parameter.h"
#include "model/QuenlarException.h"

ParameterSet::ParameterSet(GenericProtocol& protocol)
    : protocol_(&protocol), localProtocol_(localDevice_) {}

ParameterSet::~ParameterSet() {
    parameters_.clear();
    for (auto& entry : owned_)
        entry.second.reset();
    rules_.clear();
}

ParameterValue ParameterSet::setValue(const ParameterId& id, const ParameterValue& value) {
    refreshAll();
    Parameter& parameter = find(id);
    parameter.setValue(value);
    return parameter.getValue();
}

Parameter& ParameterSet::find(const ParameterId& id) const {
    return parameters_.find(id, "unknown", 0);
}

Parameter* ParameterSet::findOrNull(const ParameterId& id) const {
    return parameters_.findOrNull(id);
}

ParameterValue ParameterSet::getValue(const ParameterId& id) {
    Parameter& parameter = find(id);
    parameter.refresh();
    return parameter.getValue();
}

void ParameterSet::refreshAll() {
    parameters_.refreshAll(*protocol_);
}

void ParameterSet::attach(const ParameterId& id, Observer& observer) {
    observer.attach(find(id));
}

void ParameterSet::copyValue(const ParameterId& destinationId, const ParameterId& sourceId) {
    find(destinationId).setValue(find(sourceId).getValue());
}

GenericProtocol& ParameterSet::setProtocol(GenericProtocol& protocol) {
    GenericProtocol& previous = *protocol_;
    protocol_ = &protocol;
    for (auto& entry : parameters_)
        entry.second->replaceProtocol(previous, protocol);
    return previous;
}

Parameter& ParameterSet::add(std::unique_ptr<Parameter> parameter) {
    const ParameterId key = parameter->getId();
    return add(key, std::move(parameter));
}

Parameter& ParameterSet::add(const ParameterId& key, std::unique_ptr<Parameter> parameter) {
    if (parameters_.contains(key))
        throw QuenlarException("Parameter " + key.toString() + " is defined twice");
    Parameter& added = *parameter;
    parameters_.emplace(key, &added);
    owned_.emplace(key, std::move(parameter));
    return added;
}

Observer& ParameterSet::addRule(std::unique_ptr<Observer> rule) {
    rules_.push_back(std::move(rule));
    return *rules_.back();
}
