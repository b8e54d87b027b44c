#include "app/resources/AppResources.h"

#include <QFontDatabase>
#include <QString>

void AppResources::load() {
    static const bool registered = registerAll();
    (void)registered;
}

// Outside any namespace: the resource's registration function is declared at global scope.
bool AppResources::registerAll() {
    Q_INIT_RESOURCE(quenlarapp);
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DSEG7Classic-Bold.ttf"));
    return true;
}
