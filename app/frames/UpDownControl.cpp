#include "app/frames/UpDownControl.h"

#include <algorithm>

#include <QEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/Clock.h"

UpDownControl::UpDownControl(const Clock& clock, QWidget* parent)
    : QWidget(parent), clock_(clock), up_(makeArrow(Qt::UpArrow)), down_(makeArrow(Qt::DownArrow)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDownControl::setAccelerations(std::vector<Acceleration> accelerations) {
    if (!accelerations.empty())
        accelerations_ = std::move(accelerations);
}

void UpDownControl::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void UpDownControl::setPosition(int position) {
    position_ = position;
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    // The press starts the hold; the repeats that follow come as clicks.
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if ((watched == up_ || watched == down_) && press)
        heldSince_ = clock_.milliseconds();
    return QWidget::eventFilter(watched, event);
}

QToolButton* UpDownControl::makeArrow(Qt::ArrowType arrow) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    button->installEventFilter(this);
    return button;
}

void UpDownControl::step(int direction) {
    const int target = std::clamp(position_ + direction * currentStep(), minimum_, maximum_);
    if (target != position_)
        emit stepped(target - position_);
}

int UpDownControl::currentStep() const {
    const std::uint64_t held = clock_.milliseconds() - heldSince_;
    int step = accelerations_.front().step;
    for (const auto& acceleration : accelerations_)
        if (held >= acceleration.afterMilliseconds)
            step = acceleration.step;
    return step;
}
