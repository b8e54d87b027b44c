#include "app/resources/AppResources.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
QString registerDigitFont() {
    const int id =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DSEG7Classic-Bold.ttf"));
    return id < 0 ? QString() : QFontDatabase::applicationFontFamilies(id).value(0);
}
} // namespace

// Outside any namespace: the resource's registration function is declared at global scope.
QString AppResources::loadOnce() {
    Q_INIT_RESOURCE(quenlarapp);
    return registerDigitFont();
}

void AppResources::load() {
    digitFamily();
}

QString AppResources::digitFamily() {
    static const QString family = loadOnce();
    return family;
}
