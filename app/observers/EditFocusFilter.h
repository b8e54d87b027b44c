#pragma once

#include <functional>
#include <utility>

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QObject>

// Runs one function when an edit box gains the keyboard focus and one when the user moves the
// focus away from it. The focus also goes when another window comes up (a message box about
// the last commit, a menu): that is no move of the user's and must not commit again. An edit box
// being destroyed is no longer one (its own part is gone), so its last focus loss is ignored.
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
            else if (event->type() == QEvent::FocusOut && movedByUser(*event))
                focusOut_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool movedByUser(QEvent& event) {
        const Qt::FocusReason reason = static_cast<QFocusEvent&>(event).reason();
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }

    std::function<void()> focusIn_;
    std::function<void()> focusOut_;
};
