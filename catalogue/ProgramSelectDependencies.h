#pragma once

#include "model/ParameterDependencies.h"

class CompoundParameter;

// Makes the programme compounds (families 19, 21, 25, 27, 29 and the dialnorm measurement
// (23, 12), (23, 21)) present the programme chosen by "Program Selection" (117, 0), so every
// view bound to them shows the selected programme.
class ProgramSelectDependencies : public ParameterDependencies {
public:
    explicit ProgramSelectDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    void selectProgramme(int programme);
    // The compound under compoundId presents status and writes through control.
    void retarget(const ParameterId& compoundId, const ParameterId& status,
                  const ParameterId& control, int line);
    void retarget(const ParameterId& compoundId, const ParameterId& both, int line) {
        retarget(compoundId, both, both, line);
    }
};
