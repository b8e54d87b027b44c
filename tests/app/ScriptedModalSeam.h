#pragma once

#include <QDialog>
#include <QPushButton>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "app/ModalSeam.h"

// Answers the program's dialogs, message boxes and file dialogs from a script and records what
// was asked. A question the script did not expect fails the test and is cancelled.
class ScriptedModalSeam : public ModalSeam {
public:
    using DialogAnswer = std::function<int(QDialog&)>;

    struct Message {
        QString text;
        QMessageBox::StandardButton defaultButton;
    };

    static DialogAnswer result(int code) {
        return [code](QDialog&) { return code; };
    }

    // Clicks the dialog's button with that control id, as the operator would.
    static DialogAnswer clicking(int controlId) {
        return [controlId](QDialog& dialog) {
            for (QPushButton* button : dialog.findChildren<QPushButton*>())
                if (button->property("controlId").toInt() == controlId)
                    button->click();
            return dialog.result();
        };
    }

    int exec(QDialog& dialog) override {
        dialogs.push_back(dialog.objectName());
        if (dialogAnswers.empty())
            ADD_FAILURE() << "unexpected dialog " << dialog.objectName().toStdString();
        return next(dialogAnswers, result(QDialog::Rejected))(dialog);
    }

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&,
                                        const QString& text, QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton defaultButton) override {
        messages.push_back({text, defaultButton});
        return next(messageAnswers, defaultButton);
    }

    QString openFileName(QWidget*, const QString&, const QString& filter) override {
        filters.push_back(filter);
        return next(fileNames, QString());
    }

    QString saveFileName(QWidget*, const QString&, const QString& filter,
                         const QString& defaultSuffix) override {
        filters.push_back(filter);
        suffixes.push_back(defaultSuffix);
        return next(fileNames, QString());
    }

    std::deque<DialogAnswer> dialogAnswers;
    std::deque<QMessageBox::StandardButton> messageAnswers;
    std::deque<QString> fileNames;

    std::vector<QString> dialogs;
    std::vector<Message> messages;
    std::vector<QString> filters;
    std::vector<QString> suffixes;

private:
    // The first answer of a script, taken from it; otherwise when the script has none left.
    template <class Answer> static Answer next(std::deque<Answer>& answers, Answer otherwise) {
        if (answers.empty())
            return otherwise;
        Answer first = std::move(answers.front());
        answers.pop_front();
        return first;
    }
};
