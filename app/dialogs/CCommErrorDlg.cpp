#include "app/dialogs/CCommErrorDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CCommErrorDlg::CCommErrorDlg(const QString& cause, QWidget* parent) : QDialog(parent) {
    setObjectName("CCommErrorDlg");
    setWindowTitle("Communications Error");
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    auto* notice = new QLabel("The device is not responding.", this);
    notice->setMinimumWidth(320);
    layout->addWidget(notice);
    if (!cause.isEmpty()) {
        auto* detail = new QLabel(cause, this);
        detail->setObjectName("cause");
        detail->setTextFormat(Qt::PlainText);
        detail->setWordWrap(true);
        detail->setEnabled(false);
        layout->addWidget(detail);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* reconnect = buttons->addButton("Try To Reconnect", QDialogButtonBox::AcceptRole);
    buttons->addButton("Work Offline", QDialogButtonBox::RejectRole);
    reconnect->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
