#pragma once

#include "catalogue/PresetNumberDependencies.h"

// The user preset selection (115, 4) moves the state compound (23, 32) along with the label.
class UserPresetNumberDependencies : public PresetNumberDependencies {
public:
    explicit UserPresetNumberDependencies(ParameterMap& map);

protected:
    void select(int slot) override;

private:
    CompoundParameter& stateCompound_;
};
