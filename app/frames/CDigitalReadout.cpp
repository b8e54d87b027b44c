#include "app/frames/CDigitalReadout.h"

#include <QFontDatabase>

namespace {

// The seven-segment face when the program has it, else the system's fixed-width font.
QFont digitFont() {
    const QString family = QStringLiteral("DSEG7 Classic");
    QFont font = QFontDatabase::families().contains(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(CDigitalReadout::digitHeight);
    return font;
}

} // namespace

CDigitalReadout::CDigitalReadout(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setFont(digitFont());
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setTextColour(QColor(0, 255, 0));
}

void CDigitalReadout::setTextColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, colour.darker(200));
    setPalette(colours);
}
