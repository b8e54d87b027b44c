#pragma once

#include "model/ParameterDependencies.h"

class ControlParameter;

// While test noise is on, adjusting a channel trim moves the noise to that trim's channel, so
// the operator hears the channel being trimmed. One instance per channel trim (197, 4..14).
class SpeakerTrimDependencies : public ParameterDependencies {
public:
    SpeakerTrimDependencies(ParameterMap& map, int trim);

protected:
    void valueChanged() override;

private:
    Parameter& testNoise_;
    ControlParameter& noiseChannel_;
    ControlParameter& noiseSequence_;
    int channel_;
};
