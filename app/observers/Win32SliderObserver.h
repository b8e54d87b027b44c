#pragma once

#include <QSlider>

#include "app/observers/Win32WidgetObserver.h"

// A slider (trackbar) whose position is the parameter's value, or its negation when inverted. The
// range always follows the parameter's limits. Vertical sliders run from the minimum position
// at the top, so an inverted one has the parameter's maximum at the top.
class Win32SliderObserver : public Win32WidgetObserver {
public:
    // Steps of one line and one page until configured otherwise.
    Win32SliderObserver(QSlider& slider, int controlId, bool inverted = false);

    void update(Parameter& parameter) override;
    void configure(int tickFrequency, int lineSize, int pageSize);
    // The user moved the slider by action (the slider has already moved): writes the value the
    // new position stands for; the slider shows it once the parameter takes it.
    void scroll(int action);
    QSlider& slider() const { return slider_; }

private:
    void showPosition(const Parameter& parameter);
    int toPosition(int value) const { return inverted_ ? -value : value; }

    QSlider& slider_;
    bool inverted_;
    int position_ = 0;
};
