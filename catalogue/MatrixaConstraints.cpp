#include "catalogue/MatrixaConstraints.h"

#include "model/ControlParameter.h"

namespace {
const char* const label = "MatrixaConstraints";
} // namespace

MatrixaConstraints::MatrixaConstraints(ParameterMap& map, const ParameterId& subject)
    : ParameterDependencies(map), matrixa_(findAs<ControlParameter>({23, 66}, label, __LINE__)),
      variant_(find({117, 58}, label, __LINE__)), rfl_(find({117, 37}, label, __LINE__)) {
    attach(find(subject, label, __LINE__));
}

void MatrixaConstraints::apply() {
    switch (rfl_.getValue().toInt16()) {
    case 0:
        matrixa_.setValue(0);
        break;
    case 1:
        matrixa_.setValue(2 + variant_.getValue().toInt16());
        break;
    case 2:
        matrixa_.setValue(1);
        break;
    default:
        break;
    }
}
