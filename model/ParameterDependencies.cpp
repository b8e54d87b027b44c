#include "model/ParameterDependencies.h"

#include "model/Parameter.h"

void ParameterDependencies::update(Parameter& parameter) {
    if (&parameter != subject())
        return;
    subjectEnabled_ = parameter.isEnabled();
    if (parameter.getValue() != lastValue_) {
        lastValue_ = parameter.getValue();
        valueChanged();
    }
    apply();
}
