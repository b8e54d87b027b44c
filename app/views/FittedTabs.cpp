#include "app/views/FittedTabs.h"

#include <QTabBar>

void FittedTabs::fit(QTabBar& tabs, int width) {
    constexpr double smallestPoints = 6;
    tabs.setUsesScrollButtons(false);
    tabs.setElideMode(Qt::ElideNone);
    tabs.ensurePolished();
    tabs.setStyleSheet(tabs.styleSheet() + QStringLiteral("QTabBar::tab { padding: 2px 4px; }"));
    QFont font = tabs.font();
    while (tabs.sizeHint().width() > width && font.pointSizeF() > smallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        tabs.setFont(font);
    }
}
