#include "app/observers/Win32CheckBoxObserver.h"

#include <QSignalBlocker>

#include "app/observers/ParameterNumbers.h"

Win32CheckBoxObserver::Win32CheckBoxObserver(QAbstractButton& box, int controlId, int checkedValue,
                                             bool inverted)
    : Win32WidgetObserver(&box, controlId), box_(box), checkedValue_(checkedValue),
      inverted_(inverted) {
    const QSignalBlocker blocker(box_);
    box_.setChecked(false);
}

void Win32CheckBoxObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    checked_ = (ParameterNumbers::value(parameter) == checkedValue_) != inverted_;
    reapplyCheck();
    box_.setEnabled(parameter.isEnabled() && ParameterNumbers::inRange(parameter, checkedValue_));
}

void Win32CheckBoxObserver::action() {
    Parameter* parameter = subject();
    if (parameter == nullptr)
        return;
    const bool checked = box_.isChecked() != inverted_;
    parameter->notify();
    parameter->setValue(checked ? checkedValue_ : 0);
}

void Win32CheckBoxObserver::reapplyCheck() {
    const QSignalBlocker blocker(box_);
    box_.setChecked(checked_);
}
