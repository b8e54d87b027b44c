#include "model/CompoundParameterConstraints.h"

#include "model/CompoundParameter.h"

CompoundParameterConstraints::CompoundParameterConstraints(CompoundParameter& compound,
                                                           Parameter& status, ParameterMap& map)
    : ParameterDependencies(map), compound_(compound), status_(&status) {
    attach(status);
}

void CompoundParameterConstraints::setStatus(Parameter& status) {
    status_ = &status;
    detach();
    attach(status);
    apply();
}

void CompoundParameterConstraints::apply() {
    compound_.setEnabled(status_->isEnabled());
    // Under the compound's own id: that is the entry its update takes.
    compound_.update(ParameterValueMap{{compound_.ownId(), status_->getValue()}});
    // The value is in place first, so the new limits never exclude it.
    compound_.setMinimum(status_->getMinimum());
    compound_.setMaximum(status_->getMaximum());
}
