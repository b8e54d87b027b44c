#pragma once

#include <string>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QString>

// Texts that may come from the unit (preset and programme names) are shown as they are: never
// read as markup, never turning a character into a shortcut mark.
class WindowText {
public:
    static QString fromDevice(const std::string& text) { return QString::fromLatin1(text); }
    static std::string toDevice(const QString& text) { return text.toLatin1().toStdString(); }

    static void prepare(QWidget& window) {
        if (auto* label = qobject_cast<QLabel*>(&window))
            label->setTextFormat(Qt::PlainText);
    }

    static void set(QWidget& window, const QString& text) {
        if (auto* label = qobject_cast<QLabel*>(&window))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(&window))
            button->setText(QString(text).replace('&', "&&"));
        else if (auto* edit = qobject_cast<QLineEdit*>(&window))
            edit->setText(text);
        else
            window.setWindowTitle(text);
    }
};
