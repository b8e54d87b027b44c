#include "catalogue/PresetNumberDependencies.h"

#include "catalogue/IdOf.h"
#include "catalogue/SelectedIndex.h"
#include "model/CompoundParameter.h"

namespace {
const char* const label = "PresetNumberDependencies";
} // namespace

PresetNumberDependencies::PresetNumberDependencies(ParameterMap& map, const ParameterId& selector,
                                                   const ParameterId& compound, std::uint8_t family,
                                                   int offset)
    : PresetNumberDependencies(map, compound, family, offset) {
    attach(find(selector, label, __LINE__));
}

PresetNumberDependencies::PresetNumberDependencies(ParameterMap& map, const ParameterId& compound,
                                                   std::uint8_t family, int offset)
    : ParameterDependencies(map), compound_(findAs<CompoundParameter>(compound, label, __LINE__)),
      family_(family), offset_(offset) {}

void PresetNumberDependencies::apply() {
    select(SelectedIndex::of(*subject()));
}

void PresetNumberDependencies::select(int slot) {
    retarget(compound_, idOf(family_, slot + offset_), label, __LINE__);
}

void PresetNumberDependencies::retarget(CompoundParameter& compound, const ParameterId& status,
                                        const char* caller, int line) const {
    Parameter& target = find(status, caller, line);
    if (&compound.status() != &target)
        compound.setStatus(target);
}
