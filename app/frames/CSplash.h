#pragma once

#include <QPointer>
#include <QString>
#include <functional>

#include "app/frames/CSplashWnd.h"

// Shows the start-up picture while the program starts. It runs on the main thread like every
// window, so start-up keeps the event loop turning while it waits and the picture paints and
// answers clicks.
class CSplash {
public:
    CSplash(QString picture, int timeoutMilliseconds, int flags,
            std::function<QWidget*()> mainWindow);
    ~CSplash();
    CSplash(const CSplash&) = delete;
    CSplash& operator=(const CSplash&) = delete;

    // Shows the window; false when the picture cannot be loaded. The window closes itself, or
    // when this object goes.
    bool start();

private:
    QString picture_;
    int timeout_;
    int flags_;
    std::function<QWidget*()> mainWindow_;
    QPointer<CSplashWnd> window_;
};
