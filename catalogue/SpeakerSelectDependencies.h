#pragma once

#include <vector>

#include "model/ParameterDependencies.h"

class CompoundParameter;

// Follows "Speaker Selection" (197, 15: 0 multi-channel, 1 stereo, 2 mono): the master trim
// presents the selected set's trim, bass management and the meters of channels the set does not
// carry are disabled, and only the selected set's channel trims are shown.
class SpeakerSelectDependencies : public ParameterDependencies {
public:
    explicit SpeakerSelectDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    void selectMasterTrim(int selection);
    void enableMeters(int selection);
    void showTrims(int selection);

    Parameter& bassManagement_;
    Parameter& analogIO_;
    Parameter& backSurroundSpeakers_;
    Parameter& monoTrim_;
    Parameter& stereoLeftTrim_;
    Parameter& stereoRightTrim_;
    // (197, 4) to (197, 11): the six channel trims, then back left and back right surround.
    std::vector<Parameter*> channelTrims_;
    // (204, 10), (204, 11), (204, 12), (204, 17), (204, 14), (204, 15), (204, 16).
    std::vector<Parameter*> meters_;
    Parameter& rfl_;
    CompoundParameter& masterTrim_;
};
