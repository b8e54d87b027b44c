#pragma once

#include <vector>

#include "model/ParameterDependencies.h"

class ControlParameter;

// Follows the programme configuration in use (179, 0): "Program Selection" is kept within the
// configuration's programmes, and the channel labels (23, 3..10) and the layout ruler (23, 11)
// describe which channels belong to which programme.
class ProgramConfigDependencies : public ParameterDependencies {
public:
    explicit ProgramConfigDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    ControlParameter& programSelection_;
    std::vector<ControlParameter*> channelLabels_;
    ControlParameter& ruler_;
};
