#include "catalogue/GPIFunctionDependencies.h"

#include "catalogue/IdOf.h"
#include "model/Parameter.h"

namespace {
const char* const label = "GPIFunctionDependencies";
constexpr int referenceLevel = 65;
constexpr int firstFunction = 30;
} // namespace

GPIFunctionDependencies::GPIFunctionDependencies(ParameterMap& map, int line)
    : ParameterDependencies(map), trigger_(find(idOf(201, line), label, __LINE__)) {
    attach(find(idOf(201, line + firstFunction), label, __LINE__));
}

void GPIFunctionDependencies::apply() {
    trigger_.setEnabled(value() != referenceLevel, subject());
}
