#include "app/frames/CMeterBar.h"

#include <algorithm>

#include <QPainter>

CMeterBar::CMeterBar(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted each time: nothing to erase first, so the bar never flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CMeterBar::setScale(bool horizontal, double minimum, double reference, double maximum) {
    horizontal_ = horizontal;
    minimum_ = minimum;
    reference_ = reference;
    maximum_ = maximum;
    update();
}

void CMeterBar::setLevel(double level) {
    level_ = level;
    disabled_ = false;
    update();
}

void CMeterBar::showDisabled() {
    disabled_ = true;
    update();
}

void CMeterBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (disabled_) {
        painter.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    painter.fillRect(rect(), Qt::black);
    const int level = offset(level_);
    const int reference = offset(reference_);
    if (level_ < reference_)
        painter.fillRect(span(level, reference), QColor(255, 0, 0));
    else if (level_ > reference_)
        painter.fillRect(span(reference, level), QColor(0, 255, 0));
}

int CMeterBar::offset(double value) const {
    const int length = horizontal_ ? width() : height();
    if (maximum_ <= minimum_)
        return 0;
    const double share = std::clamp((value - minimum_) / (maximum_ - minimum_), 0.0, 1.0);
    return static_cast<int>(share * length);
}

QRect CMeterBar::span(int from, int to) const {
    if (horizontal_)
        return {from, 0, to - from, height()};
    return {0, height() - to, width(), to - from};
}
