#pragma once

#include <QAbstractButton>

#include "app/observers/Win32WidgetObserver.h"

// A check box that is checked while the parameter holds the checked value (the other way round
// when inverted); unchecking writes 0.
class Win32CheckBoxObserver : public Win32WidgetObserver {
public:
    Win32CheckBoxObserver(QAbstractButton& box, int controlId, int checkedValue,
                          bool inverted = false);

    void update(Parameter& parameter) override;
    // Reads the check the user left, redraws the parameter's own state, then writes the choice:
    // a refused value leaves the check as it was.
    void action();
    // The check of the last update, for a click that must not change anything.
    void reapplyCheck();
    QAbstractButton& box() const { return box_; }

private:
    QAbstractButton& box_;
    int checkedValue_;
    bool inverted_;
    bool checked_ = false;
};
