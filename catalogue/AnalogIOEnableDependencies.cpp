#include "catalogue/AnalogIOEnableDependencies.h"

#include "model/Parameter.h"

#include "catalogue/IdOf.h"

namespace {
const char* const label = "AnalogIOEnableDependencies";
} // namespace

AnalogIOEnableDependencies::AnalogIOEnableDependencies(ParameterMap& map)
    : ParameterDependencies(map) {
    const ParameterId controls[] = {{197, 17}, {23, 2}, {197, 16}, {216, 2},  {197, 15},
                                    {197, 3},  {23, 1}, {197, 14}, {197, 12}, {197, 13}};
    for (const ParameterId& id : controls)
        monitoring_.push_back(&find(id, label, __LINE__));
    for (int trim = 4; trim <= 11; ++trim)
        monitoring_.push_back(&find(idOf(197, trim), label, __LINE__));
    attach(find({216, 21}, label, __LINE__));
    masterTrimTrigger_ =
        std::make_unique<RuleTrigger>(find({23, 1}, label, __LINE__), [this] { apply(); });
}

void AnalogIOEnableDependencies::apply() {
    for (Parameter* parameter : monitoring_)
        parameter->setEnabled(value() == 1, subject());
}
