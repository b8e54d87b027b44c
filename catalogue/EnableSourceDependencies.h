#pragma once

#include <vector>

#include "model/ParameterDependencies.h"

// Offers only the external metadata sources that may be chosen now (23, 33: 0 both, 1 only
// "External 1", 2 only "External 2") on every source compound of the displayed programme.
class EnableSourceDependencies : public ParameterDependencies {
public:
    explicit EnableSourceDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    Parameter& descriptionSource_;
    Parameter& routingSource_;
};
