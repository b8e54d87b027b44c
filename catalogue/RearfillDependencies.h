#pragma once

#include "model/ParameterDependencies.h"

// The rear-fill meter (204, 16) is in use only while "Matrixa RFL" fills the rear (2) and the
// multi-channel speakers are selected.
class RearfillDependencies : public ParameterDependencies {
public:
    explicit RearfillDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    Parameter& meter_;
    Parameter& speakerSelection_;
};
