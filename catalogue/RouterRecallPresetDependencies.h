#pragma once

#include "model/ParameterDependencies.h"

// A router preset recall (115, 10) selects the recalled preset for labelling (115, 8) and reads
// its label (115, 9) from the unit again.
class RouterRecallPresetDependencies : public ParameterDependencies {
public:
    explicit RouterRecallPresetDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    Parameter& label_;
    Parameter& selected_;
};
