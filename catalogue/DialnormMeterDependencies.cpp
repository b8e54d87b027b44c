#include "catalogue/DialnormMeterDependencies.h"

#include "model/CompoundParameter.h"

namespace {
const char* const label = "DialnormMeterDependencies";
} // namespace

DialnormMeterDependencies::DialnormMeterDependencies(ParameterMap& map)
    : ParameterDependencies(map),
      measurement_(findAs<CompoundParameter>({23, 12}, label, __LINE__)),
      measuring_(find({117, 47}, label, __LINE__)) {
    attach(find({204, 18}, label, __LINE__));
}

void DialnormMeterDependencies::apply() {
    if (measuring_.getValue().toInt16() == 1)
        measurement_.showOnStatus(lastValue());
}
