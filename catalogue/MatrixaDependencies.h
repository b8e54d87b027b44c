#pragma once

#include "model/ParameterDependencies.h"

class ControlParameter;

// Writes the local "Matrixa" choice (23, 66) through to the unit settings it stands for:
// 0 off, 2 and 3 the two matrix variants; 1 (rear fill) is set on the unit side only.
class MatrixaDependencies : public ParameterDependencies {
public:
    explicit MatrixaDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    ControlParameter& variant_;
    ControlParameter& rfl_;
};
