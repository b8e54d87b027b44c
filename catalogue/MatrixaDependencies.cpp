#include "catalogue/MatrixaDependencies.h"

#include "model/ControlParameter.h"

namespace {
const char* const label = "MatrixaDependencies";
} // namespace

MatrixaDependencies::MatrixaDependencies(ParameterMap& map)
    : ParameterDependencies(map), variant_(findAs<ControlParameter>({117, 58}, label, __LINE__)),
      rfl_(findAs<ControlParameter>({117, 37}, label, __LINE__)) {
    attach(find({23, 66}, label, __LINE__));
}

void MatrixaDependencies::apply() {
    // Writing "Matrixa RFL" sets the subject again through MatrixaConstraints, so the choice
    // being written through is taken first.
    const int choice = value();
    switch (choice) {
    case 0:
        rfl_.setValue(0);
        break;
    case 2:
    case 3:
        rfl_.setValue(1);
        variant_.setValue(choice - 2);
        break;
    default:
        break;
    }
}
