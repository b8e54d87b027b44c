#pragma once

#include "model/ParameterDependencies.h"

// Applies the "Matrixa RFL" lock whenever the setting itself changes, so a value the unit
// reports is put back in line with the channel mode and the back-surround speakers.
class MatrixaRFLConstraints : public ParameterDependencies {
public:
    explicit MatrixaRFLConstraints(ParameterMap& map);

protected:
    void apply() override;
};
