#include "app/ModalSeam.h"

#include <QDialog>
#include <QFileDialog>

int ModalSeam::exec(QDialog& dialog) {
    return dialog.exec();
}

QMessageBox::StandardButton ModalSeam::message(QWidget* parent, QMessageBox::Icon icon,
                                               const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString ModalSeam::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString ModalSeam::saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
