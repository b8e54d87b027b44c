#include "catalogue/RecallUserPresetDependencies.h"

#include "model/Parameter.h"

namespace {
const char* const label = "RecallUserPresetDependencies";
} // namespace

RecallUserPresetDependencies::RecallUserPresetDependencies(ParameterMap& map)
    : ParameterDependencies(map), currentPreset_(find({210, 64}, label, __LINE__)) {
    attach(find({115, 0}, label, __LINE__));
}

void RecallUserPresetDependencies::apply() {
    currentPreset_.refresh();
}
