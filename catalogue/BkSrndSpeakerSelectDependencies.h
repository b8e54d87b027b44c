#pragma once

#include "model/ParameterDependencies.h"

class SharedParameter;

// Follows "Back Surround Speaker Selection" (117, 39: 0 none, 1 one, 2 two): the back-surround
// trims are shown only for speakers that exist, and "Matrixa RFL" is offered only with back
// surround speakers and a channel mode that carries back surround.
class BkSrndSpeakerSelectDependencies : public ParameterDependencies {
public:
    explicit BkSrndSpeakerSelectDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    Parameter& analogIO_;
    Parameter& speakerSelection_;
    Parameter& backLeftTrim_;
    Parameter& backRightTrim_;
    Parameter& channelMode_;
    SharedParameter& rfl_;
};
