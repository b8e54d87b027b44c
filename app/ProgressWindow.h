#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Tells what long work is doing and how many exchanges with the unit it has made. The event loop
// turns while the work waits for the line, so the window repaints and moves as any other; it is
// modal, so nothing else starts meanwhile. Cancel asks the work to stop.
class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    ProgressWindow(const QString& what, QWidget* parent);

    // Shown and painted at once, also for work that does not let the event loop turn.
    void showNow();
    // One more exchange with the unit is done.
    void advance();

signals:
    void cancelRequested();

private:
    void showCount();

    QLabel* count_;
    QPushButton* cancel_;
    int exchanges_ = 0;
};
