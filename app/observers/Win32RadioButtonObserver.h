#pragma once

#include <QAbstractButton>

#include "app/observers/Win32WidgetObserver.h"

// One radio button of a group that shares a parameter: checked while the parameter holds its
// value. The observers alone set the checks (the toolkit's exclusivity would span every radio
// button of the parent, not just the group), so a refused choice leaves the old one checked.
class Win32RadioButtonObserver : public Win32WidgetObserver {
public:
    Win32RadioButtonObserver(QAbstractButton& button, int controlId, int ownValue);

    void update(Parameter& parameter) override;
    void action();
    QAbstractButton& button() const { return button_; }

private:
    void showCheck(const Parameter& parameter);

    QAbstractButton& button_;
    int ownValue_;
};
