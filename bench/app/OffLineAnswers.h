#pragma once

#include <QAbstractButton>
#include <QDialog>

#include "app/ModalSeam.h"

// Answers the connection window with "Off Line" and OK; any other question is cancelled, so a
// run never waits for a person.
class OffLineAnswers : public ModalSeam {
public:
    int exec(QDialog& dialog) override {
        if (dialog.objectName() != QLatin1String("COpenDeviceDlg"))
            return QDialog::Rejected;
        for (QAbstractButton* box : dialog.findChildren<QAbstractButton*>())
            if (box->property("controlId").toInt() == offLineBox && !box->isChecked())
                box->click();
        return QDialog::Accepted;
    }

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton defaultButton) override {
        return defaultButton;
    }

private:
    static constexpr int offLineBox = 1521;
};
