#include "app/observers/Win32StateButtonObserver.h"

#include "app/observers/ParameterNumbers.h"

Win32StateButtonObserver::Win32StateButtonObserver(CLedButton& button, int controlId, int onValue,
                                                   int offValue)
    : Win32WidgetObserver(&button, controlId), button_(button), onValue_(onValue),
      offValue_(offValue) {}

void Win32StateButtonObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    followState(parameter);
    showOn(value_ == onValue_);
}

void Win32StateButtonObserver::followState(const Parameter& parameter) {
    value_ = ParameterNumbers::value(parameter);
    button_.setEnabled(parameter.isEnabled() && ParameterNumbers::inRange(parameter, onValue_));
    showAsVisible(parameter);
}

void Win32StateButtonObserver::action() {
    const int next = value_ == onValue_ ? offValue_ : onValue_;
    if (next != value_ && subject() != nullptr)
        ParameterNumbers::force(*subject(), next);
}

void Win32StateButtonObserver::showOn(bool on) {
    if (on)
        button_.setOn();
    else
        button_.setOff();
}
