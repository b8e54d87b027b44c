#include "catalogue/ProgramConfigSourceDependencies.h"

#include "model/Parameter.h"

namespace {
const char* const label = "ProgramConfigSourceDependencies";
} // namespace

ProgramConfigSourceDependencies::ProgramConfigSourceDependencies(ParameterMap& map)
    : ParameterDependencies(map), configuration_(find({179, 0}, label, __LINE__)) {
    attach(find({121, 0}, label, __LINE__));
}

void ProgramConfigSourceDependencies::apply() {
    configuration_.setEnabled(value() == 0, subject());
}
