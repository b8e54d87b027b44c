#pragma once

#include <QTimer>

#include "app/frames/CLedButton.h"

// An LED button whose lamp blinks while it is on: lit 200 ms, dark 300 ms.
class CBlinkingLed : public CLedButton {
    Q_OBJECT

public:
    static constexpr int litMilliseconds = 200;
    static constexpr int darkMilliseconds = 300;

    explicit CBlinkingLed(const QString& caption = QString(), Colour colour = Green,
                          QWidget* parent = nullptr);

    void setOn() override;
    void setOff() override;
    // One phase change, as the timer makes it.
    void blink();
    const QTimer& timer() const { return timer_; }

protected:
    bool lit() const override { return isOn() && litPhase_; }

private:
    QTimer timer_;
    bool litPhase_ = false;
};
