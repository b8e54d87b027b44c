#include "catalogue/SavePresetDependencies.h"

#include "catalogue/ReentryGuard.h"
#include "model/ControlParameter.h"

namespace {
const char* const label = "SavePresetDependencies";
} // namespace

SavePresetDependencies::SavePresetDependencies(ParameterMap& map, const ParameterId& command,
                                               const ParameterId& recall,
                                               const ParameterId& selected)
    : ParameterDependencies(map), recall_(find(recall, label, __LINE__)),
      selected_(find(selected, label, __LINE__)),
      command_(findAs<ControlParameter>(command, label, __LINE__)) {
    attach(command_);
}

void SavePresetDependencies::apply() {
    if (busy_)
        return;
    const ReentryGuard guard(busy_);
    command_.forceValue(0);
    recall_.setValue(selected_.getValue());
}
