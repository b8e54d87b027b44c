#pragma once

#include "app/frames/UpDownControl.h"
#include "app/observers/Win32WidgetObserver.h"

// An up-down control that steps the parameter's value; the edit box beside it shows the value.
class Win32SpinObserver : public Win32WidgetObserver {
public:
    Win32SpinObserver(UpDownControl& upDown, int controlId);

    // Also keeps the control's range and position on the parameter's, so that a step never asks
    // for a value beyond the limits.
    void update(Parameter& parameter) override;
    void configure();
    void step(int delta);
    UpDownControl& upDown() const { return upDown_; }

private:
    UpDownControl& upDown_;
};
