#pragma once

#include "model/ParameterDependencies.h"

// The programme configuration in use (179, 0) is operated only while its source (121, 0) is
// internal.
class ProgramConfigSourceDependencies : public ParameterDependencies {
public:
    explicit ProgramConfigSourceDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    Parameter& configuration_;
};
