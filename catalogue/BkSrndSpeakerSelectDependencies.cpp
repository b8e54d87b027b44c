#include "catalogue/BkSrndSpeakerSelectDependencies.h"

#include "catalogue/MatrixaRFLLock.h"
#include "model/SharedParameter.h"

namespace {
const char* const label = "BkSrndSpeakerSelectDependencies";
} // namespace

BkSrndSpeakerSelectDependencies::BkSrndSpeakerSelectDependencies(ParameterMap& map)
    : ParameterDependencies(map), analogIO_(find({216, 3}, label, __LINE__)),
      speakerSelection_(find({197, 15}, label, __LINE__)),
      backLeftTrim_(find({197, 10}, label, __LINE__)),
      backRightTrim_(find({197, 11}, label, __LINE__)),
      channelMode_(find({19, 3}, label, __LINE__)),
      rfl_(findAs<SharedParameter>({117, 37}, label, __LINE__)) {
    attach(find({117, 39}, label, __LINE__));
}

void BkSrndSpeakerSelectDependencies::apply() {
    const int speakers = value();
    const bool shown =
        analogIO_.getValue().toInt16() == 1 && speakerSelection_.getValue().toInt16() == 0;
    backLeftTrim_.setVisible(shown && speakers != 0, subject());
    backRightTrim_.setVisible(shown && speakers == 2, subject());
    MatrixaRFLLock::apply(rfl_, channelMode_.getValue().toInt16(), speakers);
}
