#pragma once

#include <vector>

#include "model/ParameterDependencies.h"

// The monitoring section works only while the unit's analog I/O is on (216, 21): its volume,
// switches, speaker selection, dim level, master and channel trims are operated only then.
class AnalogIOEnableDependencies : public ParameterDependencies {
public:
    explicit AnalogIOEnableDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    std::vector<Parameter*> monitoring_;
};
