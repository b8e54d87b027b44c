#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

// Every modal dialog, message box and file dialog of the program runs through here, so that tests
// answer them instead of a person.
class ModalSeam {
public:
    virtual ~ModalSeam() = default;

    // Runs the dialog modally and returns its result code (QDialog::Accepted, Rejected or the code
    // given to done()).
    virtual int exec(QDialog& dialog);

    virtual QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton);

    // The chosen path, or an empty string when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& filter);
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& defaultSuffix);
};
