#pragma once

#include <memory>
#include <vector>

#include "catalogue/RuleTrigger.h"
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
    // The master trim is a compound that also takes its enabled state from the trim it presents.
    std::unique_ptr<RuleTrigger> masterTrimTrigger_;
};
