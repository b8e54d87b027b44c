#pragma once

#include <memory>
#include <vector>

#include "link/DummyProtocol.h"
#include "link/Protocol.h"
#include "model/ParameterMap.h"

class Observer;

// Owns every parameter and rule object of one unit; the façade through which the document, the
// catalogue and the user interface reach them.
class ParameterSet {
public:
    explicit ParameterSet(GenericProtocol& protocol);
    ParameterSet(const ParameterSet&) = delete;
    ParameterSet& operator=(const ParameterSet&) = delete;
    // Parameters in id order (their observers are told to forget them), then the rules.
    virtual ~ParameterSet();

    // Refreshes everything, then sets one parameter; returns its value afterwards.
    virtual ParameterValue setValue(const ParameterId& id, const ParameterValue& value);

    Parameter& find(const ParameterId& id) const;
    Parameter* findOrNull(const ParameterId& id) const;
    // One device read of the parameter, then its value.
    ParameterValue getValue(const ParameterId& id);
    void refreshAll();
    void attach(const ParameterId& id, Observer& observer);
    // Sets the destination to the source's value as held, without reading the source.
    void copyValue(const ParameterId& destinationId, const ParameterId& sourceId);
    // Re-points every parameter on the current protocol; returns the previous one.
    GenericProtocol& setProtocol(GenericProtocol& protocol);

    // Takes ownership and registers the parameter under key (under its id when none is given).
    Parameter& add(std::unique_ptr<Parameter> parameter);
    Parameter& add(const ParameterId& key, std::unique_ptr<Parameter> parameter);
    // Rules are deleted after every parameter.
    Observer& addRule(std::unique_ptr<Observer> rule);

    GenericProtocol& protocol() const { return *protocol_; }
    const ParameterMap& parameters() const { return parameters_; }
    ParameterMap& parameters() { return parameters_; }

protected:
    // The link of client-side parameters: nothing written there reaches the unit.
    Protocol& localProtocol() { return localProtocol_; }

private:
    GenericProtocol* protocol_;
    DummyProtocol localDevice_;
    Protocol localProtocol_;
    ParameterMap parameters_;
    std::vector<std::unique_ptr<Observer>> rules_;
    std::map<ParameterId, std::unique_ptr<Parameter>> owned_;
};
