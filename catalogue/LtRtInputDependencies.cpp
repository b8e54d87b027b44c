#include "catalogue/LtRtInputDependencies.h"

#include "catalogue/IdOf.h"
#include "model/Parameter.h"

namespace {
const char* const label = "LtRtInputDependencies";

void use(const std::vector<Parameter*>& meters, bool flag, const Parameter* cause) {
    for (Parameter* meter : meters) {
        meter->setEnabled(flag, cause);
        meter->setAlwaysNotify(flag);
    }
}
} // namespace

LtRtInputDependencies::LtRtInputDependencies(ParameterMap& map) : ParameterDependencies(map) {
    for (int meter = 0; meter <= 7; ++meter)
        channelMeters_.push_back(&find(idOf(204, meter), label, __LINE__));
    for (int meter : {8, 9})
        ltRtMeters_.push_back(&find(idOf(204, meter), label, __LINE__));
    attach(find({117, 21}, label, __LINE__));
}

void LtRtInputDependencies::apply() {
    const bool ltRt = value() == 1;
    use(channelMeters_, !ltRt, subject());
    use(ltRtMeters_, ltRt, subject());
}
