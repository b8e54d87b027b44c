#pragma once

#include "app/observers/ButtonState.h"
#include "app/observers/Win32WidgetObserver.h"

// A button that only writes its value (its look is kept by a status observer on the same
// holder); it writes nothing while its value is already the one in force.
class Win32ButtonControlOnlyObserver : public Win32WidgetObserver {
public:
    Win32ButtonControlOnlyObserver(ButtonState& holder, int controlId, int ownValue);

    void update(Parameter& parameter) override;
    virtual void action();
    ButtonState& holder() const { return holder_; }

protected:
    int ownValue() const { return ownValue_; }
    int value() const { return value_; }

private:
    ButtonState& holder_;
    int ownValue_;
    int value_ = 0;
};
