#include "catalogue/MetadataSourceDependencies.h"

#include "catalogue/IdOf.h"
#include "model/ControlParameter.h"

namespace {
const char* const label = "MetadataSourceDependencies";
constexpr int external1 = 1;
constexpr int external2 = 2;
constexpr int lastItem = 52;

// What the offered-sources parameter (23, 33) says: 0 both external sources, 1 only the first,
// 2 only the second.
enum Offered { bothExternal = 0, onlyExternal1 = 1, onlyExternal2 = 2 };
} // namespace

MetadataSourceDependencies::MetadataSourceDependencies(ParameterMap& map,
                                                       const ParameterId& selector,
                                                       const ParameterId& target,
                                                       std::optional<ParameterId> state)
    : ParameterDependencies(map),
      state_(state ? &findAs<ControlParameter>(*state, label, __LINE__) : nullptr),
      configSource_(find({121, 0}, label, __LINE__)),
      programSelection_(find({117, 0}, label, __LINE__)),
      offeredSources_(findAs<ControlParameter>({23, 33}, label, __LINE__)),
      target_(find(target, label, __LINE__)) {
    attach(find(selector, label, __LINE__));
}

void MetadataSourceDependencies::apply() {
    const bool internal = value() == 0;
    target_.setEnabled(internal, subject());
    if (state_ != nullptr) {
        const auto configSource = configSource_.getValue().toInt16();
        state_->setValue(internal && configSource != 0 ? configSource : 0);
    }
    const bool free2 = unused(external2);
    const bool free1 = unused(external1);
    if (free2 && free1)
        offeredSources_.setValue(bothExternal);
    else if (free2)
        offeredSources_.setValue(onlyExternal1);
    else if (free1)
        offeredSources_.setValue(onlyExternal2);
}

bool MetadataSourceDependencies::unused(int source) const {
    if (configSource_.getValue().toInt16() == source)
        return false;
    const int lastProgramme = programSelection_.getMaximum().toInt16();
    for (int p = 0; p <= lastProgramme; ++p)
        if (!unusedByProgramme(p, source))
            return false;
    return true;
}

bool MetadataSourceDependencies::unusedByProgramme(int programme, int source) const {
    if (find(idOf(121, 2 * programme + 8), label, __LINE__).getValue().toInt16() == source)
        return false;
    for (int k = 0; k <= lastItem; ++k) {
        const Parameter* selector = findOrNull(idOf(2 * programme + 123, k));
        if (selector != nullptr && selector->getValue().toInt16() == source)
            return false;
    }
    return true;
}
