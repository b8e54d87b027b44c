#pragma once

#include "model/ParameterDependencies.h"

class ControlParameter;

// A dialnorm measurement m of the displayed programme stands for the dialnorm 100 - m. The
// accept button (23, 0) is offered only when that dialnorm is one the programme's "Dialogue
// Normalization" can take and the item is authored internally; the programme's run/pause
// choice is passed on to the unit (117, 47). One instance per parameter that can change this.
class DialnormMeasureConstraints : public ParameterDependencies {
public:
    DialnormMeasureConstraints(ParameterMap& map, const ParameterId& subject);

protected:
    void apply() override;

private:
    ControlParameter& accept_;
    Parameter& measureRun_;
    ControlParameter& unitMeasureRun_;
    Parameter& dialnorm_;
    Parameter& dialnormSource_;
    Parameter& measurement_;
    // Its own writes may come back to it while it applies; it does not run inside itself.
    bool busy_ = false;
};
