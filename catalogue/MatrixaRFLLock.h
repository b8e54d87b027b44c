#pragma once

class SharedParameter;

// "Matrixa RFL" fills the back-surround speakers, so it is offered only when the channel mode
// carries back surround (6 and up) and back-surround speakers are selected. Otherwise its
// controls are locked and the rear-fill setting that needs them (2) falls back to off.
class MatrixaRFLLock {
public:
    static void apply(SharedParameter& rfl, int channelMode, int backSurroundSpeakers);
};
