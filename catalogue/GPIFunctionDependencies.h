#pragma once

#include "model/ParameterDependencies.h"

// A GPI line whose function is "Reference Level" (65) follows the level of the line, so its
// trigger (level or edge) has no meaning and is disabled.
class GPIFunctionDependencies : public ParameterDependencies {
public:
    // line is 0..13, the line's place in the families (201, line) and (201, line + 30).
    GPIFunctionDependencies(ParameterMap& map, int line);

protected:
    void apply() override;

private:
    Parameter& trigger_;
};
