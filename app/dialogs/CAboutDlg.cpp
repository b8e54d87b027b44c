#include "app/dialogs/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("CAboutDlg");
    setWindowTitle("About QuenlarRemote 41");
    auto* line = new QHBoxLayout;
    // The program's icon is the one its main window carries; the application sets none.
    const QIcon programIcon = parent ? parent->window()->windowIcon() : QIcon();
    if (!programIcon.isNull()) {
        auto* icon = new QLabel(this);
        icon->setPixmap(programIcon.pixmap(32, 32));
        line->addWidget(icon);
        line->addSpacing(12);
    }
    line->addWidget(new QLabel(versionLine, this));
    line->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(16);
    layout->addLayout(line);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
