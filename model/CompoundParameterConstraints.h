#pragma once

#include "model/ParameterDependencies.h"

class CompoundParameter;

// Keeps a compound in step with its status parameter: enabled state, value and limits.
class CompoundParameterConstraints : public ParameterDependencies {
public:
    // Attaches to status at once, so the compound starts from the status as it is.
    CompoundParameterConstraints(CompoundParameter& compound, Parameter& status, ParameterMap& map);

    // Follows another status parameter and copies its state into the compound.
    void setStatus(Parameter& status);

protected:
    void apply() override;

private:
    CompoundParameter& compound_;
    Parameter* status_;
};
