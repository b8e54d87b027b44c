#pragma once

#include <cstdint>
#include <vector>

#include <QWidget>

class Clock;
class QToolButton;

// A pair of auto-repeating arrow buttons without a text field of their own: the edit box beside
// it shows the value. It keeps a range and a position but never moves the position itself; it
// asks for a step (stepped) and whoever owns the value sets the position. Holding an arrow longer
// makes the steps larger, as the accelerations say.
class UpDownControl : public QWidget {
    Q_OBJECT

public:
    struct Acceleration {
        std::uint64_t afterMilliseconds; // held at least this long
        int step;
    };

    UpDownControl(const Clock& clock, QWidget* parent = nullptr);

    // Steps by time held, the first from 0 ms on, in ascending order.
    void setAccelerations(std::vector<Acceleration> accelerations);
    void setRange(int minimum, int maximum);
    void setPosition(int position);
    int position() const { return position_; }
    QToolButton& upArrow() const { return *up_; }
    QToolButton& downArrow() const { return *down_; }

signals:
    // The change asked for, never leaving the range; up is positive.
    void stepped(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* makeArrow(Qt::ArrowType arrow);
    void step(int direction);
    int currentStep() const;

    const Clock& clock_;
    QToolButton* up_;
    QToolButton* down_;
    std::vector<Acceleration> accelerations_{{0, 1}};
    std::uint64_t heldSince_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};
