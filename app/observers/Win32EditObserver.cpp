#include "app/observers/Win32EditObserver.h"

#include <QLocale>
#include <QSignalBlocker>

#include "app/observers/WindowText.h"
#include "model/Parameter.h"
#include "model/ParameterConverter.h"

Win32EditObserver::Win32EditObserver(QLineEdit& edit, int controlId,
                                     const ParameterConverter& converter)
    : Win32WidgetObserver(&edit, controlId), edit_(edit), converter_(converter) {
    const QSignalBlocker blocker(edit_);
    edit_.clear();
}

void Win32EditObserver::update(Parameter& parameter) {
    if (!concerns(parameter) || committing_)
        return;
    edit_.setEnabled(parameter.isEnabled());
    showAsVisible(parameter);
    const bool typing = editing_ && WindowText::toDevice(edit_.text()) != lastShown_;
    if (!parameter.isVisible() || typing)
        return;
    converter_.format(lastShown_, parameter.getValue());
    const QSignalBlocker blocker(edit_);
    edit_.setText(WindowText::fromDevice(lastShown_));
}

bool Win32EditObserver::commit() {
    Parameter* parameter = subject();
    if (parameter == nullptr || window() == nullptr)
        return false;
    const std::string text = WindowText::toDevice(typedNumber(edit_.text()));
    ParameterValue value;
    if (text == lastShown_ || !converter_.parse(value, text))
        return false;
    committing_ = true;
    try {
        parameter->setValue(value);
    } catch (...) {
        committing_ = false;
        throw;
    }
    committing_ = false;
    lastShown_ = text;
    return true;
}

// A number with decimals may be typed with the decimal comma of the operator's locale; the unit
// and the converters take a point.
QString Win32EditObserver::typedNumber(const QString& typed) const {
    const QString comma = QLocale().decimalPoint();
    if (!converter_.takesDecimals() || comma == QStringLiteral("."))
        return typed;
    return QString(typed).replace(comma, QStringLiteral("."));
}

void Win32EditObserver::beginEdit() {
    editing_ = true;
}

void Win32EditObserver::endEdit() {
    editing_ = false;
    if (subject() != nullptr)
        update(*subject());
}
