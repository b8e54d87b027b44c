#pragma once

#include <QWidget>

class QLabel;

// Tells what long work is doing while the event loop does not run (running it would let the
// polling clock or a click start a second exchange inside one): it repaints itself at each step.
class ProgressWindow : public QWidget {
public:
    ProgressWindow(const QString& what, QWidget* parent);

    // Shown and painted at once.
    void showNow();
    // One more exchange with the unit is done.
    void advance();

private:
    void showCount();

    QLabel* count_;
    int exchanges_ = 0;
};
