#include "app/dialogs/CSelectParametersDlg.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

CSelectParametersDlg::CSelectParametersDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("CSelectParametersDlg");
    setWindowTitle("Select Parameters");
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox("Select Parameters to Restore", this);
    auto* choices = new QVBoxLayout(group);
    addChoice(*choices, "Operating", operatingId, false);
    addChoice(*choices, "Operating and Setup", operatingAndSetupId, true);
    layout->addWidget(group);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CSelectParametersDlg::addChoice(QLayout& layout, const QString& text, int controlId,
                                     bool includeSetup) {
    auto* button = new QPushButton(text, this);
    button->setProperty("controlId", controlId);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, includeSetup] {
        includeSetup_ = includeSetup;
        accept();
    });
    layout.addWidget(button);
}
