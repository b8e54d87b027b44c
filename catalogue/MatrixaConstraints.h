#pragma once

#include "model/ParameterDependencies.h"

class ControlParameter;

// Keeps the local "Matrixa" choice (23, 66) in step with the two unit settings it stands for,
// "Matrixa RFL" (117, 37) and (117, 58); one instance observes each of them.
class MatrixaConstraints : public ParameterDependencies {
public:
    MatrixaConstraints(ParameterMap& map, const ParameterId& subject);

protected:
    void apply() override;

private:
    ControlParameter& matrixa_;
    Parameter& variant_;
    Parameter& rfl_;
};
