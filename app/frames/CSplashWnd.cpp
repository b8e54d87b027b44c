#include "app/frames/CSplashWnd.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScreen>

CSplashWnd::CSplashWnd(const QPixmap& picture, int timeoutMilliseconds, int flags,
                       std::function<QWidget*()> mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), picture_(picture), flags_(flags),
      mainWindow_(std::move(mainWindow)), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("CSplashWnd"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(picture_.deviceIndependentSize().toSize());
    setCursor(Qt::ArrowCursor);
    move(screen()->availableGeometry().center() - rect().center());
    timer_->setObjectName(QStringLiteral("SplashTimer"));
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &CSplashWnd::checkMainWindow);
    if (timeoutMilliseconds != -1)
        timer_->start(timeoutMilliseconds);
}

void CSplashWnd::checkMainWindow() {
    if (!(flags_ & IgnoreMainWindow) && !mainWindowVisible())
        timer_->start(recheckMilliseconds);
    else
        close();
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

void CSplashWnd::keyPressEvent(QKeyEvent*) {
    closeOnInput();
}

void CSplashWnd::mousePressEvent(QMouseEvent*) {
    closeOnInput();
}

void CSplashWnd::closeEvent(QCloseEvent* event) {
    timer_->stop();
    if (QWidget* main = mainWindow_(); main && main->isVisible()) {
        main->raise();
        main->activateWindow();
    }
    event->accept();
}

bool CSplashWnd::mainWindowVisible() const {
    const QWidget* main = mainWindow_();
    return main && main->isVisible();
}

void CSplashWnd::closeOnInput() {
    if (flags_ & CloseOnInput)
        close();
}
