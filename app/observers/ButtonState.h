#pragma once

#include <QAbstractButton>

// What the button observers that do not own their button share about it: whether it is drawn
// pushed, and whether the value it stands for is the one in force (active).
class ButtonState {
public:
    explicit ButtonState(QAbstractButton& button) : button_(button), pressed_(button.isChecked()) {}

    QAbstractButton& button() const { return button_; }
    bool isActive() const { return active_; }
    bool isPressed() const { return pressed_; }

    void setPressed(bool pressed) {
        pressed_ = pressed;
        reapplyPressed();
    }
    // A click releases the button; this draws it as the state says again.
    void reapplyPressed() { button_.setDown(pressed_); }
    void setActive(bool active) { active_ = active; }
    void enable(bool enabled) { button_.setEnabled(enabled); }

private:
    QAbstractButton& button_;
    bool active_ = false;
    bool pressed_;
};
