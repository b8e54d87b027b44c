#pragma once

#include "model/ParameterDependencies.h"

class CompoundParameter;

// While the unit measures (117, 47 = 1), each dialnorm meter reading (204, 18) is shown on the
// measurement of the displayed programme (23, 12) without a device read.
class DialnormMeterDependencies : public ParameterDependencies {
public:
    explicit DialnormMeterDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    CompoundParameter& measurement_;
    Parameter& measuring_;
};
