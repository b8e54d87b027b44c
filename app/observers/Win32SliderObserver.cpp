#include "app/observers/Win32SliderObserver.h"

#include <algorithm>

#include <QSignalBlocker>

#include "app/observers/ParameterNumbers.h"

Win32SliderObserver::Win32SliderObserver(QSlider& slider, int controlId, bool inverted)
    : Win32WidgetObserver(&slider, controlId), slider_(slider), inverted_(inverted) {
    if (slider_.orientation() == Qt::Vertical) {
        slider_.setInvertedAppearance(true);
        slider_.setInvertedControls(true);
    }
    // An arrow key moves one step, as Qt has it; a page is one step too, until configured.
    slider_.setPageStep(1);
}

void Win32SliderObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    slider_.setEnabled(parameter.isEnabled());
    showAsVisible(parameter);
    showPosition(parameter);
}

void Win32SliderObserver::configure(int tickFrequency, int lineSize, int pageSize) {
    slider_.setSingleStep(lineSize);
    slider_.setPageStep(pageSize);
    slider_.setTickInterval(tickFrequency);
    if (slider_.tickPosition() == QSlider::NoTicks)
        slider_.setTickPosition(QSlider::TicksBelow);
}

void Win32SliderObserver::scroll(int action) {
    const int moved = slider_.sliderPosition();
    {
        const QSignalBlocker blocker(slider_);
        slider_.setValue(position_);
    }
    Parameter* parameter = subject();
    if (action == QAbstractSlider::SliderNoAction || parameter == nullptr || moved == position_)
        return;
    const int change = toPosition(moved - position_);
    const int value =
        std::clamp(ParameterNumbers::value(*parameter) + change,
                   ParameterNumbers::minimum(*parameter), ParameterNumbers::maximum(*parameter));
    parameter->setValue(value);
}

void Win32SliderObserver::showPosition(const Parameter& parameter) {
    const int minimum = ParameterNumbers::minimum(parameter);
    const int maximum = ParameterNumbers::maximum(parameter);
    const QSignalBlocker blocker(slider_);
    if (inverted_)
        slider_.setRange(-maximum, -minimum);
    else
        slider_.setRange(minimum, maximum);
    position_ = toPosition(ParameterNumbers::value(parameter));
    if (parameter.isVisible())
        slider_.setValue(position_);
}
