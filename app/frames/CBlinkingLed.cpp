#include "app/frames/CBlinkingLed.h"

CBlinkingLed::CBlinkingLed(const QString& caption, Colour colour, QWidget* parent)
    : CLedButton(caption, colour, parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &CBlinkingLed::blink);
}

void CBlinkingLed::setOn() {
    litPhase_ = true;
    timer_.start(litMilliseconds);
    CLedButton::setOn();
}

void CBlinkingLed::setOff() {
    timer_.stop();
    CLedButton::setOff();
}

void CBlinkingLed::blink() {
    litPhase_ = !litPhase_;
    timer_.start(litPhase_ ? litMilliseconds : darkMilliseconds);
    repaint();
}
