#include "app/frames/CChildFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QMenu>

CChildFrame::CChildFrame(QWidget* view) {
    setObjectName(QStringLiteral("CChildFrame"));
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    setWindowTitle(view->windowTitle());
    adjustSize();
    connect(systemMenu(), &QMenu::aboutToShow, this, &CChildFrame::greySizingCommands);
    greySizingCommands();
}

void CChildFrame::changeEvent(QEvent* event) {
    // A view has one size: a request to maximise is taken back before the sub-window acts on it.
    if (event->type() == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowMaximized)) {
        overrideWindowState(windowState() & ~Qt::WindowMaximized);
        return;
    }
    QMdiSubWindow::changeEvent(event);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void CChildFrame::greySizingCommands() {
    for (QAction* action : systemMenu()->actions()) {
        const QString command = QString(action->text()).remove(QLatin1Char('&'));
        if (command == QLatin1String("Size") || command == QLatin1String("Minimize") ||
            command == QLatin1String("Maximize"))
            action->setEnabled(false);
    }
}
