#include "catalogue/TestNoiseDependencies.h"

#include "model/ControlParameter.h"

namespace {
const char* const label = "TestNoiseDependencies";
} // namespace

TestNoiseDependencies::TestNoiseDependencies(ParameterMap& map)
    : ParameterDependencies(map), sequence_(findAs<ControlParameter>({117, 51}, label, __LINE__)) {
    attach(find({117, 24}, label, __LINE__));
}

void TestNoiseDependencies::update(Parameter& parameter) {
    previous_ = lastValue();
    ParameterDependencies::update(parameter);
}

void TestNoiseDependencies::apply() {
    const int noise = value();
    if (noise == 0)
        sequence_.setValue(0);
    else if (previous_.toInt16() == 0)
        sequence_.setValue(1);
}
