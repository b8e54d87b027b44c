#pragma once

#include "model/ParameterDependencies.h"

class ControlParameter;

// Builds the display label of a user preset slot, "%d%c - %s": the slot number, a mark for its
// state ('A' for 1, 'E' for 2, a space otherwise) and the label stored in the unit. Two
// instances per slot, one observing the slot's state and one its label.
class PresetLabelConstraints : public ParameterDependencies {
public:
    // subject is the slot's state (210, slot + 32) or its label (210, slot).
    PresetLabelConstraints(ParameterMap& map, const ParameterId& subject, int slot);

protected:
    void apply() override;

private:
    int slot_;
    Parameter& stored_;
    Parameter& state_;
    ControlParameter& display_;
};
