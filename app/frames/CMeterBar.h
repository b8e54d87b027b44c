#pragma once

#include <QWidget>

// A level bar: black, with red from the level up to the reference when the level is below it
// and green from the reference up to the level when above. Horizontal bars grow to the right,
// vertical ones upwards. A disabled meter shows the plain button face.
class CMeterBar : public QWidget {
    Q_OBJECT

public:
    explicit CMeterBar(QWidget* parent = nullptr);

    void setScale(bool horizontal, double minimum, double reference, double maximum);
    void setLevel(double level);
    void showDisabled();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Pixels from the bar's start (left or bottom) to value, truncated, within the bar.
    int offset(double value) const;
    // The part of the bar between two offsets from its start.
    QRect span(int from, int to) const;

    bool horizontal_ = true;
    double minimum_ = 0;
    double reference_ = 0;
    double maximum_ = 1;
    double level_ = 0;
    bool disabled_ = false;
};
