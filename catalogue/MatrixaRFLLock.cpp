#include "catalogue/MatrixaRFLLock.h"

#include "model/SharedParameter.h"

namespace {
constexpr int firstBackSurroundMode = 6;
constexpr int rearFill = 2;
} // namespace

void MatrixaRFLLock::apply(SharedParameter& rfl, int channelMode, int backSurroundSpeakers) {
    if (channelMode >= firstBackSurroundMode && backSurroundSpeakers != 0) {
        rfl.setLocked(false);
        return;
    }
    rfl.setLocked(true);
    if (rfl.getValue().toInt16() == rearFill)
        rfl.setValue(0);
}
