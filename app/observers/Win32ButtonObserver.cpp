#include "app/observers/Win32ButtonObserver.h"

#include "app/observers/ParameterNumbers.h"

Win32ButtonObserver::Win32ButtonObserver(QAbstractButton& button, int controlId, int ownValue)
    : Win32WidgetObserver(&button, controlId), button_(button), ownValue_(ownValue) {}

void Win32ButtonObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    button_.setEnabled(parameter.isEnabled() && ParameterNumbers::inRange(parameter, ownValue_));
    pressed_ = ParameterNumbers::value(parameter) == ownValue_;
    button_.setDown(pressed_);
}

void Win32ButtonObserver::action() {
    // The click released the button; a refused write must not leave it so.
    button_.setDown(pressed_);
    if (subject() != nullptr)
        ParameterNumbers::force(*subject(), pressed_ ? 0 : ownValue_);
}
