#include "app/frames/CLedButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int lampHeight = 5;
constexpr int lampMargin = 4;
} // namespace

CLedButton::CLedButton(const QString& caption, Colour colour, QWidget* parent)
    : QAbstractButton(parent), colour_(colour) {
    setText(caption);
}

void CLedButton::setOn() {
    on_ = true;
    repaint();
}

void CLedButton::setOff() {
    on_ = false;
    repaint();
}

QColor CLedButton::lampColour(Colour colour) {
    switch (colour) {
    case Red:
        return {255, 0, 0};
    case Yellow:
        return {255, 255, 0};
    case Grey:
        return {192, 192, 192};
    case Green:
        break;
    }
    return {0, 255, 0};
}

QSize CLedButton::sizeHint() const {
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    return {caption.width() + 4 * lampMargin, caption.height() + lampHeight + 3 * lampMargin};
}

void CLedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    option.text = text();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    // The lamp is a bar along the top edge, so that narrow buttons keep room for the caption.
    const QRect inside = rect().adjusted(lampMargin, lampMargin, -lampMargin, -lampMargin);
    const QRect lamp(inside.left(), inside.top(), inside.width(), lampHeight);
    const QColor colour = lampColour(colour_);
    painter.setPen(colour.darker(250));
    painter.setBrush(lit() ? colour : colour.darker(400));
    painter.drawRect(lamp.adjusted(0, 0, -1, -1));

    option.rect = inside.adjusted(0, lampHeight, 0, 0);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}
