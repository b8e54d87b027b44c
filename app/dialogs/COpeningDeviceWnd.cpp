#include "app/dialogs/COpeningDeviceWnd.h"

#include <QLabel>
#include <QVBoxLayout>

COpeningDeviceWnd::COpeningDeviceWnd(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("COpeningDeviceWnd");
    setWindowTitle("QuenlarRemote 41");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(new QLabel("Opening the device...", this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void COpeningDeviceWnd::showNow() {
    show();
    repaint();
}
