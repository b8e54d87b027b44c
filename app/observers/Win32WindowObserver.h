#pragma once

#include <QWidget>

#include "app/observers/Win32WidgetObserver.h"

// Any window that is enabled and shown with the parameter (a label, a frame, a group).
class Win32WindowObserver : public Win32WidgetObserver {
public:
    Win32WindowObserver(QWidget& window, int controlId);

    void update(Parameter& parameter) override;
};
