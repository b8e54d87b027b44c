#pragma once

#include <QLabel>

// A static text in a font of a given pixel height and weight (the active programme's name, shown
// as plain text by its observer like every text from the unit).
class CSizedFontStatic : public QLabel {
    Q_OBJECT

public:
    CSizedFontStatic(int pixelHeight, int weight, QWidget* parent = nullptr);
};
