#pragma once

#include "app/observers/Win32ButtonControlOnlyObserver.h"

// A button that writes its on value, or its off value when the on value is in force.
class Win32ButtonToggleObserver : public Win32ButtonControlOnlyObserver {
public:
    Win32ButtonToggleObserver(ButtonState& holder, int controlId, int onValue, int offValue);

    void action() override;

private:
    int offValue_;
};
