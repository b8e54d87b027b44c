#pragma once

#include <memory>

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "model/ControlObserver.h"

class ParameterValue;

// Common ground of the observers that bind one widget to one parameter: the widget (which may go
// first, with its parent window), its "controlId" property, and the owner of the connections
// that carry the user's actions to the observer, so that they end with the observer.
class Win32WidgetObserver : public ControlObserver {
public:
    Win32WidgetObserver(QWidget* window, int controlId);

    QWidget* window() const { return window_; }
    // Context object of the connections and event filters made for this observer's actions.
    QObject& actionContext() const { return *actionContext_; }

protected:
    // Whether parameter is the subject and the widget still exists: an update worth drawing.
    bool concerns(const Parameter& parameter) const;
    // Shown and hidden with the parameter's visible flag.
    void showAsVisible(const Parameter& parameter);

private:
    QPointer<QWidget> window_;
    std::unique_ptr<QObject> actionContext_;
};
