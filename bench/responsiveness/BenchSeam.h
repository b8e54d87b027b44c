#pragma once

#include <QDialog>
#include <QStringList>
#include <chrono>
#include <functional>

#include "app/ModalSeam.h"

// Answers the program as a run needs and notes every question: 'Open Device' with OK (its fields
// come from the settings), a communications error with "Try To Reconnect" when told to, every
// other dialog cancelled and every message box with its default button.
class BenchSeam : public ModalSeam {
public:
    explicit BenchSeam(bool reconnect) : reconnect_(reconnect) {}

    // Runs as 'Open Device' is answered, before the line opens.
    void onOpenDevice(std::function<void()> opening) { opening_ = std::move(opening); }

    int exec(QDialog& dialog) override {
        const QString name = dialog.objectName();
        if (name == QLatin1String("COpenDeviceDlg")) {
            if (opening_)
                opening_();
            acceptedAt_ = std::chrono::steady_clock::now();
            return QDialog::Accepted;
        }
        dialogs_.append(name.isEmpty() ? dialog.metaObject()->className() : name);
        const bool commError = name == QLatin1String("CCommErrorDlg");
        if (commError && commErrorAt_ == std::chrono::steady_clock::time_point{})
            commErrorAt_ = std::chrono::steady_clock::now();
        const bool retry = reconnect_ && commError;
        return retry ? QDialog::Accepted : QDialog::Rejected;
    }

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&,
                                        const QString& text, QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton defaultButton) override {
        messages_.append(text);
        return defaultButton;
    }

    std::chrono::steady_clock::time_point acceptedAt() const { return acceptedAt_; }
    // When the first communications error was shown; the epoch before.
    std::chrono::steady_clock::time_point commErrorAt() const { return commErrorAt_; }
    // The dialogs other than 'Open Device', by object name.
    const QStringList& dialogs() const { return dialogs_; }
    const QStringList& messages() const { return messages_; }

private:
    bool reconnect_;
    std::function<void()> opening_;
    std::chrono::steady_clock::time_point acceptedAt_{};
    std::chrono::steady_clock::time_point commErrorAt_{};
    QStringList dialogs_;
    QStringList messages_;
};
