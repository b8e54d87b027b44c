#pragma once

#include "app/frames/CLedButton.h"
#include "app/observers/Win32WidgetObserver.h"

// An LED button lit while the parameter holds the on value; pressing it switches between the on
// and the off value.
class Win32StateButtonObserver : public Win32WidgetObserver {
public:
    Win32StateButtonObserver(CLedButton& button, int controlId, int onValue, int offValue);

    void update(Parameter& parameter) override;
    virtual void action();
    CLedButton& button() const { return button_; }

protected:
    // The value, the enabled and the visible state; not the lamp.
    void followState(const Parameter& parameter);
    void showOn(bool on);
    int onValue() const { return onValue_; }
    int value() const { return value_; }

private:
    CLedButton& button_;
    int onValue_;
    int offValue_;
    int value_ = 0;
};
