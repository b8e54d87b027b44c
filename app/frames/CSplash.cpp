#include "app/frames/CSplash.h"

#include <QPixmap>

CSplash::CSplash(QString picture, int timeoutMilliseconds, int flags,
                 std::function<QWidget*()> mainWindow)
    : picture_(std::move(picture)), timeout_(timeoutMilliseconds), flags_(flags),
      mainWindow_(std::move(mainWindow)) {}

CSplash::~CSplash() {
    delete window_.data();
}

bool CSplash::start() {
    const QPixmap picture(picture_);
    if (picture.isNull())
        return false;
    window_ = new CSplashWnd(picture, timeout_, flags_, mainWindow_);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}
