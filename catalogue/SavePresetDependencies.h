#pragma once

#include "model/ParameterDependencies.h"

class ControlParameter;

// A save command is momentary: as soon as the unit has taken it, it is written back to 0 (its
// idle value, sent without delay), and the recall selector is pointed at the slot just saved.
class SavePresetDependencies : public ParameterDependencies {
public:
    // recall is the recall selector, selected the selector of the slot being saved.
    SavePresetDependencies(ParameterMap& map, const ParameterId& command, const ParameterId& recall,
                           const ParameterId& selected);

protected:
    void apply() override;

private:
    Parameter& recall_;
    Parameter& selected_;
    ControlParameter& command_;
    // Writing 0 to the command notifies it again; that echo must not write it once more.
    bool busy_ = false;
};
