#include "app/observers/Win32SpinObserver.h"

#include "app/observers/ParameterNumbers.h"

Win32SpinObserver::Win32SpinObserver(UpDownControl& upDown, int controlId)
    : Win32WidgetObserver(&upDown, controlId), upDown_(upDown) {}

void Win32SpinObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    upDown_.setEnabled(parameter.isEnabled());
    showAsVisible(parameter);
    configure();
}

void Win32SpinObserver::configure() {
    if (subject() == nullptr)
        return;
    upDown_.setRange(ParameterNumbers::minimum(*subject()), ParameterNumbers::maximum(*subject()));
    upDown_.setPosition(ParameterNumbers::value(*subject()));
}

void Win32SpinObserver::step(int delta) {
    if (subject() != nullptr)
        subject()->setValue(ParameterNumbers::value(*subject()) + delta);
}
