#include "catalogue/UserPresetNumberDependencies.h"

#include "catalogue/IdOf.h"
#include "model/CompoundParameter.h"

namespace {
const char* const label = "UserPresetNumberDependencies";
constexpr int slots = 32;
} // namespace

UserPresetNumberDependencies::UserPresetNumberDependencies(ParameterMap& map)
    : PresetNumberDependencies(map, {23, 30}, 210, 0),
      stateCompound_(findAs<CompoundParameter>({23, 32}, label, __LINE__)) {
    attach(find({115, 4}, label, __LINE__));
}

void UserPresetNumberDependencies::select(int slot) {
    PresetNumberDependencies::select(slot);
    retarget(stateCompound_, idOf(210, slot + slots), label, __LINE__);
}
