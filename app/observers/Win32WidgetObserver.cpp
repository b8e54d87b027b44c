#include "app/observers/Win32WidgetObserver.h"

#include "model/Parameter.h"

Win32WidgetObserver::Win32WidgetObserver(QWidget* window, int controlId)
    : ControlObserver(static_cast<std::uint32_t>(controlId)), window_(window),
      actionContext_(std::make_unique<QObject>()) {
    if (window != nullptr)
        window->setProperty("controlId", controlId);
}

bool Win32WidgetObserver::concerns(const Parameter& parameter) const {
    return &parameter == subject() && window_ != nullptr;
}

void Win32WidgetObserver::showAsVisible(const Parameter& parameter) {
    window_->setVisible(parameter.isVisible());
}
