#include "app/views/MeterScaleRow.h"

#include <QHBoxLayout>
#include <QLabel>

QWidget* MeterScaleRow::create(const QStringList& labels) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        if (i > 0)
            layout->addStretch(1);
        auto* label = new QLabel(labels[i]);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        label->setFont(small);
        layout->addWidget(label);
    }
    return row;
}
