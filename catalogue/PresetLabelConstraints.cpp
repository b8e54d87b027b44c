#include "catalogue/PresetLabelConstraints.h"

#include <string>

#include "catalogue/IdOf.h"
#include "model/ControlParameter.h"

namespace {
const char* const label = "PresetLabelConstraints";
constexpr int slots = 32;
constexpr int firstDisplayLabel = 34;

char stateMark(int state) {
    return state == 1 ? 'A' : state == 2 ? 'E' : ' ';
}

std::string displayLabel(int slot, int state, const std::string& stored) {
    // The stored label is a C string: a unit that pads it with NULs ends it at the first one.
    const std::string text = stored.substr(0, stored.find('\0'));
    return std::to_string(slot + 1) + stateMark(state) + " - " + text;
}
} // namespace

PresetLabelConstraints::PresetLabelConstraints(ParameterMap& map, const ParameterId& subject,
                                               int slot)
    : ParameterDependencies(map), slot_(slot), stored_(find(idOf(210, slot), label, __LINE__)),
      state_(find(idOf(210, slot + slots), label, __LINE__)),
      display_(findAs<ControlParameter>(idOf(23, slot + firstDisplayLabel), label, __LINE__)) {
    attach(find(subject, label, __LINE__));
}

void PresetLabelConstraints::apply() {
    display_.setValue(ParameterValue::fromText(
        displayLabel(slot_, state_.getValue().toInt16(), stored_.getValue().bytes())));
}
