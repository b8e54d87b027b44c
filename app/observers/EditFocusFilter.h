#pragma once

#include <functional>
#include <utility>

#include <QEvent>
#include <QLineEdit>
#include <QObject>

// Runs one function when an edit box gains the keyboard focus and one when it loses it. An edit
// box being destroyed is no longer one (its own part is gone), so its last focus loss is ignored.
class EditFocusFilter : public QObject {
    Q_OBJECT

public:
    EditFocusFilter(std::function<void()> focusIn, std::function<void()> focusOut, QObject* parent)
        : QObject(parent), focusIn_(std::move(focusIn)), focusOut_(std::move(focusOut)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (qobject_cast<QLineEdit*>(watched) != nullptr) {
            if (event->type() == QEvent::FocusIn)
                focusIn_();
            else if (event->type() == QEvent::FocusOut)
                focusOut_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> focusIn_;
    std::function<void()> focusOut_;
};
