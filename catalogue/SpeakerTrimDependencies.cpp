#include "catalogue/SpeakerTrimDependencies.h"

#include <iterator>
#include <string>

#include "catalogue/IdOf.h"
#include "model/ControlParameter.h"
#include "model/QuenlarException.h"

namespace {
const char* const label = "SpeakerTrimDependencies";

// The test-noise channel of each trim (197, 4..14): left, right, centre, subwoofer, left and
// right surround, back left and back right surround, stereo left and right, mono.
int noiseChannelOf(int trim) {
    constexpr int channels[] = {0, 2, 1, 7, 6, 3, 5, 4, 0, 2, 1};
    constexpr int firstTrim = 4;
    if (trim < firstTrim || trim >= firstTrim + static_cast<int>(std::size(channels)))
        throw QuenlarException("No test-noise channel for trim " + std::to_string(trim));
    return channels[trim - firstTrim];
}
} // namespace

SpeakerTrimDependencies::SpeakerTrimDependencies(ParameterMap& map, int trim)
    : ParameterDependencies(map), testNoise_(find({117, 24}, label, __LINE__)),
      noiseChannel_(findAs<ControlParameter>({117, 25}, label, __LINE__)),
      noiseSequence_(findAs<ControlParameter>({117, 51}, label, __LINE__)),
      channel_(noiseChannelOf(trim)) {
    attach(find(idOf(197, trim), label, __LINE__));
}

void SpeakerTrimDependencies::valueChanged() {
    if (testNoise_.getValue().toInt16() == 0)
        return;
    noiseChannel_.forceValue(channel_);
    noiseSequence_.forceValue(0);
}
