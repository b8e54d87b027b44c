#pragma once

#include <vector>

#include "model/ParameterDependencies.h"

// Applied once at the end of each full refresh, to what it read: with the analogue monitor outputs
// fitted ((216, 3) = 1) the monitor controls are shown and the GPI/GPO functions reach their
// analogue entries; without them the controls are hidden and the function ranges end below those
// entries.
class AnalogIODependencies : public ParameterDependencies {
public:
    explicit AnalogIODependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    Parameter& lookUp(int number, int index, int line) const;

    // Shown exactly when the outputs are fitted.
    std::vector<Parameter*> monitorControls_;
    Parameter* speakerSelection_ = nullptr;
    Parameter* monoTrim_ = nullptr;
    std::vector<Parameter*> stereoTrims_;
    // Left to back right surround.
    std::vector<Parameter*> channelTrims_;
    std::vector<Parameter*> gpiFunctions_;
    std::vector<Parameter*> gpoFunctions_;
};
