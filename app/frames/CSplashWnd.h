#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <functional>

// The start-up picture: a borderless window of exactly the picture's size, centred on the screen.
// After its time-out it stays until the program's main window is visible, looking again every
// 100 ms; with CloseOnInput a key press or a mouse click closes it at once. It deletes itself
// when closed and then brings the main window to the front.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    enum Flag { CloseOnInput = 1, IgnoreMainWindow = 4 };
    static constexpr int recheckMilliseconds = 100;

    // mainWindow gives the program's main window, or null while it does not exist yet.
    CSplashWnd(const QPixmap& picture, int timeoutMilliseconds, int flags,
               std::function<QWidget*()> mainWindow);

    // What timer 1 does when it fires: close, or look again later while the main window is hidden.
    void checkMainWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool mainWindowVisible() const;
    void closeOnInput();

    QPixmap picture_;
    int flags_;
    std::function<QWidget*()> mainWindow_;
    QTimer* timer_;
};
