#pragma once

#include <string>

#include <QLineEdit>

#include "app/observers/Win32WidgetObserver.h"

class ParameterConverter;

// An edit box showing the parameter's value through a text converter. Typed text is written only
// when committed (Enter, leaving the box), never per keystroke: a live unit must not receive the
// partial numbers on the way to the one meant.
class Win32EditObserver : public Win32WidgetObserver {
public:
    // converter is not owned and must outlive the observer.
    Win32EditObserver(QLineEdit& edit, int controlId, const ParameterConverter& converter);

    void update(Parameter& parameter) override;
    // Writes the typed text when it changed and parses; true when it was written.
    bool commit();
    // While editing, notifications leave the text being typed alone.
    void beginEdit();
    // Shows the parameter's value again, also when the typed text was refused.
    void endEdit();
    QLineEdit& edit() const { return edit_; }

private:
    QString typedNumber(const QString& typed) const;

    QLineEdit& edit_;
    const ParameterConverter& converter_;
    std::string lastShown_;
    bool committing_ = false;
    bool editing_ = false;
};
