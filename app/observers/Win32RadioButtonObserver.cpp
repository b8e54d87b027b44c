#include "app/observers/Win32RadioButtonObserver.h"

#include <QSignalBlocker>

#include "app/observers/ParameterNumbers.h"

Win32RadioButtonObserver::Win32RadioButtonObserver(QAbstractButton& button, int controlId,
                                                   int ownValue)
    : Win32WidgetObserver(&button, controlId), button_(button), ownValue_(ownValue) {
    button_.setAutoExclusive(false);
}

void Win32RadioButtonObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    showCheck(parameter);
    button_.setEnabled(parameter.isEnabled() && parameter.isValidValue(ownValue_));
    showAsVisible(parameter);
}

void Win32RadioButtonObserver::action() {
    Parameter* parameter = subject();
    if (parameter == nullptr)
        return;
    // The click checked the button already; only the parameter's answer may.
    showCheck(*parameter);
    parameter->setValue(ownValue_);
}

void Win32RadioButtonObserver::showCheck(const Parameter& parameter) {
    const QSignalBlocker blocker(button_);
    button_.setChecked(ParameterNumbers::value(parameter) == ownValue_);
}
