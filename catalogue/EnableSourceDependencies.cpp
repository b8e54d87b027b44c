#include "catalogue/EnableSourceDependencies.h"

#include "catalogue/IdOf.h"
#include "model/Parameter.h"

namespace {
const char* const label = "EnableSourceDependencies";
constexpr int lastItem = 52;
constexpr int external1 = 1;
constexpr int external2 = 2;

void offer(Parameter& source, int offered) {
    source.enableValue(offered != 2, external1);
    source.enableValue(offered != 1, external2);
}
} // namespace

EnableSourceDependencies::EnableSourceDependencies(ParameterMap& map)
    : ParameterDependencies(map), descriptionSource_(find({27, 0}, label, __LINE__)),
      routingSource_(find({29, 1}, label, __LINE__)) {
    attach(find({23, 33}, label, __LINE__));
}

void EnableSourceDependencies::apply() {
    const int offered = value();
    for (int k = 0; k <= lastItem; ++k)
        if (Parameter* source = findOrNull(idOf(25, k)))
            offer(*source, offered);
    offer(descriptionSource_, offered);
    offer(routingSource_, offered);
}
