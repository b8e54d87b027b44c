#pragma once

#include <QAbstractButton>

#include "app/observers/Win32WidgetObserver.h"

// A push button drawn pushed while the parameter holds its value; pressing it writes the value,
// pressing it again while pushed writes 0.
class Win32ButtonObserver : public Win32WidgetObserver {
public:
    Win32ButtonObserver(QAbstractButton& button, int controlId, int ownValue);

    void update(Parameter& parameter) override;
    void action();
    QAbstractButton& button() const { return button_; }

private:
    QAbstractButton& button_;
    int ownValue_;
    bool pressed_ = false;
};
