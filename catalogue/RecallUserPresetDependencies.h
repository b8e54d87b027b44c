#pragma once

#include "model/ParameterDependencies.h"

// After a user preset recall (115, 0) the unit's current preset number (210, 64) is read again,
// so that its display follows the recall.
class RecallUserPresetDependencies : public ParameterDependencies {
public:
    explicit RecallUserPresetDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    Parameter& currentPreset_;
};
