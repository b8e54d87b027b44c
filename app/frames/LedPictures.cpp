#include "app/frames/LedPictures.h"

#include "model/QuenlarException.h"

// The pictures are built into the program's library; a static library must register them
// itself before the first use. Outside any namespace, as the registration function is global.
static void registerPictures() {
    Q_INIT_RESOURCE(leds);
}

QPixmap LedPictures::load(const QString& name) {
    static const bool registered = (registerPictures(), true);
    (void)registered;
    QPixmap picture(QStringLiteral(":/leds/") + QString(name).replace(' ', '-') +
                    QStringLiteral(".png"));
    if (picture.isNull())
        throw QuenlarException("Error loading the " + name.toStdString() + " led");
    return picture;
}
