#pragma once

#include <QPixmap>
#include <QString>

// The program's LED pictures (10 x 10) by name: "green off", "green on", "red on", "off", "on",
// "solo off", "solo on".
class LedPictures {
public:
    // QuenlarException "Error loading the " + name + " led" when there is no such picture.
    static QPixmap load(const QString& name);
};
