#pragma once

#include <QStringList>

class QWidget;

// The scale printed above a meter: the labels spread evenly from its left to its right end.
class MeterScaleRow {
public:
    static QWidget* create(const QStringList& labels);
};
