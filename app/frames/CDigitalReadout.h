#pragma once

#include <QColor>
#include <QLabel>

// A value field in seven-segment digits, in a colour of the view's choice on black.
class CDigitalReadout : public QLabel {
    Q_OBJECT

public:
    static constexpr int digitHeight = 26;

    explicit CDigitalReadout(QWidget* parent = nullptr);

    void setTextColour(const QColor& colour);
};
