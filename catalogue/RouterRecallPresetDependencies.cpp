#include "catalogue/RouterRecallPresetDependencies.h"

#include "model/Parameter.h"

namespace {
const char* const label = "RouterRecallPresetDependencies";
} // namespace

RouterRecallPresetDependencies::RouterRecallPresetDependencies(ParameterMap& map)
    : ParameterDependencies(map), label_(find({115, 9}, label, __LINE__)),
      selected_(find({115, 8}, label, __LINE__)) {
    attach(find({115, 10}, label, __LINE__));
}

void RouterRecallPresetDependencies::apply() {
    selected_.setValue(lastValue());
    label_.refresh();
}
