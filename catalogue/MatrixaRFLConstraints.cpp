#include "catalogue/MatrixaRFLConstraints.h"

#include "catalogue/MatrixaRFLLock.h"
#include "model/SharedParameter.h"

namespace {
const char* const label = "MatrixaRFLConstraints";
} // namespace

MatrixaRFLConstraints::MatrixaRFLConstraints(ParameterMap& map) : ParameterDependencies(map) {
    attach(findAs<SharedParameter>({117, 37}, label, __LINE__));
}

void MatrixaRFLConstraints::apply() {
    MatrixaRFLLock::apply(*static_cast<SharedParameter*>(subject()),
                          find({19, 3}, label, __LINE__).getValue().toInt16(),
                          find({117, 39}, label, __LINE__).getValue().toInt16());
}
