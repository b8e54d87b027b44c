#include "app/frames/CSizedFontStatic.h"

CSizedFontStatic::CSizedFontStatic(int pixelHeight, int weight, QWidget* parent) : QLabel(parent) {
    QFont sized = font();
    sized.setPixelSize(pixelHeight);
    sized.setWeight(static_cast<QFont::Weight>(weight));
    setFont(sized);
}
