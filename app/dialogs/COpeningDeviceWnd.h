#pragma once

#include <QWidget>

// "Opening the device...", in front while the document connects. The event loop does not run
// meanwhile (it would run the polling clock in the middle of the connect), so it paints itself.
class COpeningDeviceWnd : public QWidget {
public:
    explicit COpeningDeviceWnd(QWidget* parent);

    // Shown and painted at once.
    void showNow();
};
