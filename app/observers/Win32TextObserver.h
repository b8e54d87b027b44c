#pragma once

#include <QWidget>

#include "app/observers/Win32WidgetObserver.h"

// A static text (or a button's caption) showing the parameter's value in its display words.
class Win32TextObserver : public Win32WidgetObserver {
public:
    Win32TextObserver(QWidget& window, int controlId, bool showWhenDisabled = false,
                      bool enableWhenDisabled = false);

    void update(Parameter& parameter) override;

private:
    bool showWhenDisabled_;
    bool enableWhenDisabled_;
};
