#include "catalogue/RearfillDependencies.h"

#include "model/Parameter.h"

namespace {
const char* const label = "RearfillDependencies";
constexpr int rearFill = 2;
} // namespace

RearfillDependencies::RearfillDependencies(ParameterMap& map)
    : ParameterDependencies(map), meter_(find({204, 16}, label, __LINE__)),
      speakerSelection_(find({197, 15}, label, __LINE__)) {
    attach(find({117, 37}, label, __LINE__));
}

void RearfillDependencies::apply() {
    meter_.setEnabled(value() == rearFill && speakerSelection_.getValue().toInt16() == 0,
                      subject());
}
