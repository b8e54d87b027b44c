#pragma once

#include "model/ParameterDependencies.h"
#include "model/ParameterValue.h"

class ControlParameter;

// Switching test noise on (117, 24 from 0 to non-zero) starts its channel sequence (117, 51 = 1);
// switching it off stops it.
class TestNoiseDependencies : public ParameterDependencies {
public:
    explicit TestNoiseDependencies(ParameterMap& map);

    void update(Parameter& parameter) override;

protected:
    void apply() override;

private:
    ControlParameter& sequence_;
    // The subject's value before the notification being handled.
    ParameterValue previous_;
};
