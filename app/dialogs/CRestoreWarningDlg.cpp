#include "app/dialogs/CRestoreWarningDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CRestoreWarningDlg::CRestoreWarningDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("CRestoreWarningDlg");
    setWindowTitle("Dialog");
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel("Warning: Restoring Setup paramters will overwrite your current "
                            "emulator, monitor, router, and GPIO port settings.",
                            this);
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Continue", QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
