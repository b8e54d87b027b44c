#pragma once

#include "model/ControlParameter.h"

// A control parameter shared by several controls that the rules can lock: locked, its controls are
// disabled while the parameter itself stays enabled (and can still be set by the rules).
class SharedParameter : public ControlParameter {
public:
    using ControlParameter::ControlParameter;

    bool isLocked() const { return locked_; }
    // Tells the observers only when the lock actually changes.
    void setLocked(bool flag);

private:
    bool locked_ = false;
};
